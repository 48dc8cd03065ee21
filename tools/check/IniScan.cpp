// Finding the sections and keys of a configuration file, line by line, by the profile
// function's rules: lines end at CR or LF, white space around lines and names is dropped, a
// line that starts with "[" and holds a "]" is a header, any other line is a key whose name
// ends at the first "=". Files with a byte order mark are UTF-8 or UTF-16; names outside
// ASCII do not concern the scan.
#include "tools/check/IniScan.h"

#include <fstream>
#include <iterator>

namespace qs::check {

namespace {

bool IsProfileSpace(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A; }

std::string Trimmed(const std::string& text, std::size_t begin, std::size_t end) {
    while (begin < end && IsProfileSpace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && IsProfileSpace(static_cast<unsigned char>(text[end - 1]))) --end;
    std::string name = text.substr(begin, end - begin);
    // Names end at their first zero, as the system's string functions read them.
    const std::size_t zero = name.find('\0');
    return zero == std::string::npos ? name : name.substr(0, zero);
}

bool HasUtf16Mark(const std::string& bytes) {
    return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

// One byte per UTF-16 unit: the unit itself below 0x100, "?" above.
std::string NarrowUtf16(const std::string& bytes) {
    const bool bigEndian = bytes[0] == '\xFE';
    std::string narrow;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        narrow.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
    }
    return narrow;
}

std::string TextOf(const std::string& bytes) {
    if (HasUtf16Mark(bytes)) return NarrowUtf16(bytes);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return bytes.substr(3);
    return bytes;
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) { return UpperAscii(a) == UpperAscii(b); }

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

const ScannedKey* ScannedSection::Find(const std::string& key) const {
    for (const ScannedKey& candidate : keys)
        if (SameName(candidate.name, key)) return &candidate;
    return nullptr;
}

const ScannedSection* ScannedFile::Find(const std::string& section) const {
    for (const ScannedSection& candidate : sections)
        if (SameName(candidate.name, section)) return &candidate;
    return nullptr;
}

ScannedFile ScanText(const std::string& bytes) {
    const std::string text = TextOf(bytes);
    ScannedFile scanned;
    ScannedSection* current = nullptr;
    int line = 1;
    std::size_t next = 0;
    while (next < text.size()) {
        const std::size_t lineStart = next;
        const int lineNumber = line;
        while (next < text.size() && text[next] != '\n' && text[next] != '\r') ++next;
        const std::size_t lineEnd = next;
        for (; next < text.size() && (text[next] == '\n' || text[next] == '\r'); ++next) {
            if (text[next] == '\n' || next + 1 >= text.size() || text[next + 1] != '\n') ++line;
        }
        std::size_t begin = lineStart, end = lineEnd;
        while (begin < end && IsProfileSpace(static_cast<unsigned char>(text[begin]))) ++begin;
        while (end > begin && IsProfileSpace(static_cast<unsigned char>(text[end - 1]))) --end;
        if (begin == end) continue;

        if (text[begin] == '[') {
            const std::size_t close = text.rfind(']', end - 1);
            if (close != std::string::npos && close > begin) {
                scanned.sections.push_back(ScannedSection{Trimmed(text, begin + 1, close), lineNumber, {}});
                current = &scanned.sections.back();
                continue;
            }
        }
        if (current == nullptr) continue;
        const std::size_t equals = text.find('=', begin);
        const bool hasEquals = equals != std::string::npos && equals < end;
        current->keys.push_back(ScannedKey{Trimmed(text, begin, hasEquals ? equals : end), hasEquals, lineNumber});
    }
    return scanned;
}

bool ScanFile(const std::string& path, ScannedFile& scanned, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be opened for reading";
        return false;
    }
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > LargestConfigurationFile) {
            error = "is larger than 4 MiB: not a configuration file";
            return false;
        }
    }
    if (in.bad()) {
        error = "cannot be read";
        return false;
    }
    const std::size_t zero = bytes.find('\0');
    if (zero != std::string::npos && !HasUtf16Mark(bytes)) {
        error = "holds zero bytes (the first at byte " + std::to_string(zero) +
                "): not a text file; a file saved as UTF-16 needs its byte order mark";
        return false;
    }
    scanned = ScanText(bytes);
    return true;
}

}  // namespace qs::check
