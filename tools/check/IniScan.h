// The layout of a configuration file as its author wrote it: which sections and keys it holds
// and on which lines. The values themselves are always read through the plug-in's own
// reader; this only finds the names to ask for and the lines to point at.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qs::check {

struct ScannedKey {
    std::string name;  // trimmed, as the profile function compares it
    bool hasEquals = false;  // a line without "=" gives no value
    int line = 0;
};

struct ScannedSection {
    std::string name;
    int line = 0;
    std::vector<ScannedKey> keys;

    // The first key of that name, letter case ignored; null when there is none.
    const ScannedKey* Find(const std::string& key) const;
};

struct ScannedFile {
    // In file order; the lines before the first header are left out.
    std::vector<ScannedSection> sections;

    // The first section of that name, letter case ignored, as the profile function finds it.
    const ScannedSection* Find(const std::string& section) const;
};

// Larger files are refused: no configuration comes near this size.
constexpr std::uintmax_t LargestConfigurationFile = 4u * 1024 * 1024;

// Reads and scans a file. False, with a one-line reason, when it cannot be read or is no text
// file: too large, or holding zero bytes without the byte order mark of UTF-16.
bool ScanFile(const std::string& path, ScannedFile& scanned, std::string& error);

// The same over bytes already read.
ScannedFile ScanText(const std::string& bytes);

// ASCII letter case ignored, as the profile function compares names.
bool SameName(const std::string& a, const std::string& b);
std::string UpperAscii(std::string text);
std::string LowerAscii(std::string text);

}  // namespace qs::check
