// Localized reads with the French fallback. An integer or boolean that equals the default
// falls back too, even when it is written so, because only the value read is compared.
#include "config/EntryReader.h"

namespace qs {

namespace {
const std::string kFallbackLanguage = "fr";
}

std::string EntryReader::LocalizedKey(const std::string& key) const { return language_ + "_" + key; }

std::string EntryReader::FallbackKey(const std::string& key) { return kFallbackLanguage + "_" + key; }

template <typename Value, typename Read>
Value EntryReader::ReadLocalized(const std::string& key, const Value& defaultValue, Read read,
                                 EntryKeySource* source) const {
    const std::string localizedKey = LocalizedKey(key);
    Value value = read(localizedKey);
    if (value != defaultValue) {
        if (source) *source = EntryKeySource::Localized;
        return value;
    }
    const std::string fallbackKey = FallbackKey(key);
    // With the French language both reads ask the same key.
    if (fallbackKey != localizedKey) value = read(fallbackKey);
    if (source) *source = value != defaultValue ? EntryKeySource::Fallback : EntryKeySource::Neither;
    return value;
}

std::string EntryReader::ReadText(const std::string& section, const std::string& key, const std::string& defaultText,
                                  EntryKeySource* source) const {
    return ReadLocalized(
        key, defaultText, [&](const std::string& name) { return file_.ReadText(section, name, defaultText); }, source);
}

std::int32_t EntryReader::ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue,
                                  EntryKeySource* source) const {
    return ReadLocalized(
        key, defaultValue, [&](const std::string& name) { return file_.ReadInt(section, name, defaultValue); }, source);
}

bool EntryReader::ReadBool(const std::string& section, const std::string& key, bool defaultValue,
                           EntryKeySource* source) const {
    return ReadLocalized(
        key, defaultValue, [&](const std::string& name) { return file_.ReadBool(section, name, defaultValue); }, source);
}

}  // namespace qs
