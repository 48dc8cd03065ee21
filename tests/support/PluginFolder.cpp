// Throw-away plug-in folders for tests.
#include "tests/support/PluginFolder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace qs_test {

namespace {
std::string Unique() {
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::to_string(static_cast<unsigned long long>(now)) + "-" + std::to_string(counter++);
}
}  // namespace

PluginFolder::PluginFolder(bool copyLibrary) {
    const fs::path folder = fs::temp_directory_path() / ("quickseek-test-" + Unique());
    fs::create_directories(folder);
    path_ = folder.string();
    if (copyLibrary) {
        const fs::path library = BuiltLibraryPath();
        fs::copy_file(library, folder / library.filename());
    }
}

PluginFolder::~PluginFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string PluginFolder::File(const std::string& name) const { return (fs::path(path_) / name).string(); }

void PluginFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + File(name));
}

void PluginFolder::MakeDirectory(const std::string& name) const { fs::create_directories(File(name)); }

void PluginFolder::Remove(const std::string& name) const { fs::remove_all(File(name)); }

std::string BuiltLibraryPath() { return QS_PLUGIN_FILE; }

std::string SourceFile(const std::string& relative) { return (fs::path(QS_SOURCE_DIR) / relative).string(); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace qs_test
