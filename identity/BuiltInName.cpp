// Reading the scrambled built-in display name.
#include "identity/BuiltInName.h"

#include <algorithm>

namespace qs {

std::string UnscrambleName(const TScrambledName& scrambled) {
    const std::size_t length = std::min<std::size_t>(scrambled[0], ScrambledNameCapacity);
    std::string name(length, '\0');
    for (std::size_t i = 0; i < length; ++i) name[i] = static_cast<char>(scrambled[i + 1] ^ NameScrambleKey);
    return name;
}

}  // namespace qs
