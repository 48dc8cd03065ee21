// PCRE2 character tables for the selection filter: letter case from the platform's byte case
// mapping, and the pattern language's own classes (\d is 0-9, \w is 0-9 A-Z a-z _, \s is
// space, tab, LF, CR and FF), which no C locale gives exactly.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace qs {

// Layout of pcre2_maketables(): lower-case map, flip-case map, ten 32-byte class bitmaps,
// then one type byte per character.
struct CharacterTableLayout {
    static constexpr std::size_t kLowerCase = 0;
    static constexpr std::size_t kFlipCase = 256;
    static constexpr std::size_t kClassBits = 512;
    static constexpr std::size_t kSpaceBits = kClassBits + 0;
    static constexpr std::size_t kHexDigitBits = kClassBits + 32;
    static constexpr std::size_t kDigitBits = kClassBits + 64;
    static constexpr std::size_t kUpperBits = kClassBits + 96;
    static constexpr std::size_t kLowerBits = kClassBits + 128;
    static constexpr std::size_t kWordBits = kClassBits + 160;
    static constexpr std::size_t kGraphBits = kClassBits + 192;
    static constexpr std::size_t kPrintBits = kClassBits + 224;
    static constexpr std::size_t kPunctuationBits = kClassBits + 256;
    static constexpr std::size_t kControlBits = kClassBits + 288;
    static constexpr std::size_t kTypes = kClassBits + 320;
    static constexpr std::size_t kSize = kTypes + 256;

    static constexpr std::uint8_t kTypeSpace = 0x01;
    static constexpr std::uint8_t kTypeLetter = 0x02;
    static constexpr std::uint8_t kTypeLowerLetter = 0x04;
    static constexpr std::uint8_t kTypeDigit = 0x08;
    static constexpr std::uint8_t kTypeWord = 0x10;
};

using CharacterTables = std::array<std::uint8_t, CharacterTableLayout::kSize>;

enum class LetterCase {
    FromPlatform,
    // Identity case maps and no letters: enough for a pattern that never turns (?i) on, as
    // PCRE2 reads letter case only for a part of a pattern that ignores it. Saves the
    // platform's case mapping calls.
    Omitted,
};

// Two bytes are case partners only when each maps to the other, so the flip-case map is its
// own inverse, as PCRE2 expects, whatever the system's mapping does with odd letters.
CharacterTables BuildCharacterTables(LetterCase letterCase = LetterCase::FromPlatform);

}  // namespace qs
