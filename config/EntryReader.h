// The keys of one "SEARCH_" section, looked up by the host's language: the key made of the
// language code, "_" and the name, and the French key when that one gives the default.
#pragma once
#include <cstdint>
#include <string>

#include "config/IniFile.h"

namespace qs {

// Which key gave a localized read its value.
enum class EntryKeySource {
    Localized,  // the key of the language
    Fallback,   // the "fr_" key, after the language's key gave the default
    Neither,    // both gave the default
};

class EntryReader {
public:
    EntryReader(const IniFile& file, std::string languageCode) : file_(file), language_(std::move(languageCode)) {}

    // source, when given, learns which key the value came from.
    std::string ReadText(const std::string& section, const std::string& key, const std::string& defaultText,
                         EntryKeySource* source = nullptr) const;
    std::int32_t ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue,
                         EntryKeySource* source = nullptr) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue,
                  EntryKeySource* source = nullptr) const;

    // The two keys a localized read asks, in order; the same key twice for the language fr.
    std::string LocalizedKey(const std::string& key) const;
    static std::string FallbackKey(const std::string& key);

private:
    // Reads the localized key; when it gives the default, the French key decides.
    template <typename Value, typename Read>
    Value ReadLocalized(const std::string& key, const Value& defaultValue, Read read, EntryKeySource* source) const;

    const IniFile& file_;
    std::string language_;
};

}  // namespace qs
