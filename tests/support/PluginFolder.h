// A throw-away plug-in folder for a test: a copy of the built library and the files a test
// writes beside it. Removed again when the test ends.
#pragma once
#include <string>

namespace qs_test {

class PluginFolder {
public:
    // copyLibrary: put a copy of the built plug-in library into the folder.
    explicit PluginFolder(bool copyLibrary = true);
    ~PluginFolder();
    PluginFolder(const PluginFolder&) = delete;
    PluginFolder& operator=(const PluginFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a file in the folder, with the platform's separator.
    std::string File(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    void MakeDirectory(const std::string& name) const;
    void Remove(const std::string& name) const;

private:
    std::string path_;
};

// The built plug-in library.
std::string BuiltLibraryPath();
// A file of the source tree, for test data.
std::string SourceFile(const std::string& relative);
std::string ReadFile(const std::string& path);

}  // namespace qs_test
