// Reading a key's text for an observer of the load.
#include "config/LoadObserver.h"

namespace qs {

KeyText ReadKeyText(const IniFile& file, const std::string& section, const std::string& key) {
    // An absent key gives the default. Any value that equals one default differs from the
    // other, so two reads with different defaults tell an absent key from every value.
    static const std::string first = "\x01", second = "\x02";
    std::string text = file.ReadText(section, key, first);
    if (text != first) return KeyText{true, std::move(text)};
    if (file.ReadText(section, key, second) == second) return KeyText{};
    return KeyText{true, first};
}

}  // namespace qs
