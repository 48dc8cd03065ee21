// Localized reads with the French fallback. An integer or boolean that equals the default
// falls back too, even when it is written so, because only the value read is compared.
#include "config/EntryReader.h"

namespace qs {

namespace {
const std::string kFallbackLanguage = "fr";
}

template <typename Value, typename Read>
Value EntryReader::ReadLocalized(const std::string& key, const Value& defaultValue, Read read) const {
    const std::string localizedKey = language_ + "_" + key;
    Value value = read(localizedKey);
    if (value != defaultValue) return value;
    const std::string fallbackKey = kFallbackLanguage + "_" + key;
    // With the French language both reads ask the same key.
    if (fallbackKey == localizedKey) return value;
    return read(fallbackKey);
}

std::string EntryReader::ReadText(const std::string& section, const std::string& key,
                                  const std::string& defaultText) const {
    return ReadLocalized(key, defaultText,
                         [&](const std::string& name) { return file_.ReadText(section, name, defaultText); });
}

std::int32_t EntryReader::ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const {
    return ReadLocalized(key, defaultValue,
                         [&](const std::string& name) { return file_.ReadInt(section, name, defaultValue); });
}

bool EntryReader::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadLocalized(key, defaultValue,
                         [&](const std::string& name) { return file_.ReadBool(section, name, defaultValue); });
}

}  // namespace qs
