// The plug-in's folder from its own module path, the configuration paths in it, and the
// host's language code.
#include "config/PluginLocation.h"

#include <cstring>

#include "platform/CaseMapping.h"
#include "platform/CodePage.h"
#include "platform/ModulePath.h"
#include "plugin/DUnitExternal.h"

namespace qs {

namespace {

constexpr std::size_t npos = std::string::npos;

bool EndsFolder(char byte, const PathRules& rules) {
    return byte == rules.separator || (rules.driveColon && byte == ':');
}

// Calls visit(position, isSingleByte) for each character of text, double-byte ones counted once.
template <typename Visit>
void ForEachCharacter(const std::string& text, const PathRules& rules, Visit visit) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool doubleByte = rules.isLeadByte && i + 1 < text.size() && rules.isLeadByte(byte);
        visit(i, !doubleByte);
        i += doubleByte ? 2 : 1;
    }
}

}  // namespace

PathRules SystemPathRules() { return PathRules{PathSeparator(), DriveColonEndsFolder(), &IsLeadByte}; }

std::string StripTrailingBackslashes(std::string text) {
    while (!text.empty() && text.back() == '\\') text.pop_back();
    return text;
}

std::string StripTrailingSeparators(std::string text, const PathRules& rules) {
    std::size_t runStart = npos;
    ForEachCharacter(text, rules, [&](std::size_t at, bool single) {
        if (single && text[at] == rules.separator) {
            if (runStart == npos) runStart = at;
        } else {
            runStart = npos;
        }
    });
    if (runStart != npos) text.resize(runStart);
    return text;
}

std::string DirectoryOfModule(const std::string& modulePath, const PathRules& rules) {
    std::size_t lastEnd = npos;
    ForEachCharacter(modulePath, rules, [&](std::size_t at, bool single) {
        if (single && EndsFolder(modulePath[at], rules)) lastEnd = at;
    });
    if (lastEnd == npos) return std::string();
    return StripTrailingSeparators(modulePath.substr(0, lastEnd + 1), rules);
}

std::string JoinPath(const std::string& directory, const std::string& fileName, char separator) {
    return directory + separator + fileName;
}

std::string LanguageCodeFromHost(const char (&written)[3]) {
    std::string code(written, strnlen(written, 2));
    if (code.empty()) code = "fr";
    LowerInPlace(code);
    return code;
}

std::string PluginDirectory() { return DirectoryOfModule(PluginModulePath(), SystemPathRules()); }

std::string ConfigFilePath(const std::string& fileName) {
    return JoinPath(PluginDirectory(), fileName, PathSeparator());
}

std::string LanguageCode() {
    char buffer[3] = {0, 0, 0};
    CodeLangue(buffer);
    return LanguageCodeFromHost(buffer);
}

}  // namespace qs
