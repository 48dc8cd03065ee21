// The display name the plug-in gives when its configuration names none. It is kept
// scrambled so that the name does not stand in the library as plain text.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace qs {

// A length byte (at most 29, stored plain), then 29 character positions, each stored XOR 0x64.
using TScrambledName = std::array<std::uint8_t, 30>;

constexpr std::size_t ScrambledNameCapacity = 29;
constexpr std::uint8_t NameScrambleKey = 0x64;

// "Quickseek".
inline constexpr TScrambledName BuiltInName = {9, 0x35, 0x11, 0x0D, 0x07, 0x0F, 0x17, 0x01, 0x01, 0x0F};

// The name held in the constant. A length byte above 29 reads as 29: nothing beyond the
// constant is ever read.
std::string UnscrambleName(const TScrambledName& scrambled);

}  // namespace qs
