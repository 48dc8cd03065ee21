// The keys of one "SEARCH_" section, looked up by the host's language: the key made of the
// language code, "_" and the name, and the French key when that one gives the default.
#pragma once
#include <cstdint>
#include <string>

#include "config/IniFile.h"

namespace qs {

class EntryReader {
public:
    EntryReader(const IniFile& file, std::string languageCode) : file_(file), language_(std::move(languageCode)) {}

    std::string ReadText(const std::string& section, const std::string& key, const std::string& defaultText) const;
    std::int32_t ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

private:
    // Reads the localized key; when it gives the default, the French key decides.
    template <typename Value, typename Read>
    Value ReadLocalized(const std::string& key, const Value& defaultValue, Read read) const;

    const IniFile& file_;
    std::string language_;
};

}  // namespace qs
