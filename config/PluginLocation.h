// Where the plug-in's files are, and the host's interface language.
#pragma once
#include <string>

namespace qs {

// The plug-in's folder without a trailing separator; empty when it cannot be found.
std::string PluginDirectory();
// The folder, one separator, and the file name.
std::string ConfigFilePath(const std::string& fileName);
// The host's language code in lower case, at most two characters; "fr" when the host gives none.
std::string LanguageCode();

// How a module path is cut into its folder.
struct PathRules {
    char separator = '\\';
    bool driveColon = true;  // "D:" ends a folder name too
    // The byte starts a double-byte character; null: the code page has none.
    bool (*isLeadByte)(unsigned char byte) = nullptr;
};
// Windows paths in a code page without double-byte characters.
constexpr PathRules WindowsPathRules{'\\', true, nullptr};
// The rules of the system we run on, with its code page.
PathRules SystemPathRules();

// The text without its trailing "\" bytes, byte by byte.
std::string StripTrailingBackslashes(std::string text);
// The text without its trailing separators; the second half of a double-byte character is
// no separator, even when it has the separator's value.
std::string StripTrailingSeparators(std::string text, const PathRules& rules);
// The module path up to its last separator (or drive colon), trailing separators removed;
// empty when it holds none.
std::string DirectoryOfModule(const std::string& modulePath, const PathRules& rules);
// The folder, the separator and the file name.
std::string JoinPath(const std::string& directory, const std::string& fileName, char separator);

// The language code from the bytes the host wrote into its three-byte buffer: up to the
// first zero and at most two characters, "fr" when empty, in lower case.
std::string LanguageCodeFromHost(const char (&written)[3]);

}  // namespace qs
