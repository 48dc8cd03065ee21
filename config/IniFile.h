// Reading one INI file through the platform's profile function. Nothing is kept open
// between calls; a file that does not exist reads as a file without sections.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qs {

// The reader's buffers: a value of at most 2047 characters and its zero; the list of
// section names as far as it fits.
constexpr std::uint32_t IniValueBufferSize = 2048;
constexpr std::uint32_t IniSectionListSize = 16384;

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    // The value (at most 2047 characters), or defaultText when the key is absent.
    std::string ReadText(const std::string& section, const std::string& key, const std::string& defaultText) const;
    // The value by the integer grammar, or defaultValue.
    std::int32_t ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
    // Written as an integer, true when non-zero; defaultValue when it is not an integer.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    // The names of all sections in file order, as far as 16384 bytes of list hold them.
    std::vector<std::string> SectionNames() const;

private:
    std::string path_;
};

}  // namespace qs
