// One INI file as the profile function sees it: decoded to UTF-16 units, cut into sections
// and keys. Names and values end at their first zero unit, as the system's string
// functions read them.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace qs {

struct ProfileKey {
    std::u16string name;
    std::optional<std::u16string> value;  // none: the line had no "="
};

struct ProfileSection {
    std::u16string name;  // empty for the lines before the first header; not listed when empty
    std::vector<ProfileKey> keys;
    // First key of each name, by its folded letter case.
    std::unordered_map<std::u16string, std::size_t> firstKey;
};

class ProfileContent {
public:
    // bytes: the whole file. A byte order mark chooses UTF-8 or UTF-16; otherwise the bytes
    // are Windows-1252.
    static ProfileContent Parse(const std::string& bytes);

    const std::vector<ProfileSection>& Sections() const { return sections_; }
    // The key as the profile function finds it: names trimmed of white space, letter case
    // ignored, the first section of that name and its first key of that name.
    const ProfileKey* Find(std::u16string_view section, std::u16string_view key) const;

private:
    std::vector<ProfileSection> sections_;
    std::unordered_map<std::u16string, std::size_t> firstSection_;
};

// The white space the profile function trims around lines, names and values.
bool IsProfileSpace(char16_t unit);

}  // namespace qs
