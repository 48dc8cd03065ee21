// Reading one INI file through the profile function.
#include "config/IniFile.h"

#include <vector>

#include "config/IniInteger.h"
#include "platform/Profile.h"

namespace qs {

namespace {
// The profile function hands out its default for an absent key, and empty text for a key
// written without value. Asked again only after an empty answer, with a default that is not
// empty, it tells the two apart.
constexpr const char* kAbsentMarker = "\x01<absent>\x01";

std::string Read(const std::string& path, const std::string& section, const std::string& key,
                 const char* defaultText) {
    std::vector<char> buffer(IniValueBufferSize, '\0');
    const std::uint32_t length =
        ProfileString(section.c_str(), key.c_str(), defaultText, buffer.data(), IniValueBufferSize, path.c_str());
    return std::string(buffer.data(), length < IniValueBufferSize ? length : IniValueBufferSize - 1);
}
}  // namespace

std::string IniFile::ReadText(const std::string& section, const std::string& key,
                              const std::string& defaultText) const {
    std::string value = Read(path_, section, key, "");
    if (!value.empty()) return value;
    return Read(path_, section, key, kAbsentMarker) == kAbsentMarker ? defaultText : std::string();
}

std::int32_t IniFile::ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const {
    // An absent key reads as empty text, which is no integer either.
    return ParseIniInteger(Read(path_, section, key, "")).value_or(defaultValue);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInt(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<char> buffer(IniSectionListSize, '\0');
    std::uint32_t length = ProfileString(nullptr, nullptr, nullptr, buffer.data(), IniSectionListSize, path_.c_str());
    if (length > IniSectionListSize - 1) length = IniSectionListSize - 1;
    // Names are zero-terminated; a cut list ends in a cut name whose zero follows the count.
    buffer[length] = '\0';
    std::vector<std::string> names;
    for (std::uint32_t start = 0; start < length;) {
        std::string name(buffer.data() + start);
        if (name.empty()) break;
        start += static_cast<std::uint32_t>(name.size()) + 1;
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace qs
