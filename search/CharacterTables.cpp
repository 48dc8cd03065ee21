// Builds the character tables that the selection filter hands to PCRE2. Every test builds
// them anew, so the build is kept cheap: the classes of the pattern language never change and
// are made by the compiler; only the letter case comes from the platform, with one call for
// the whole lower-case mapping and one upper-case look-up per byte that has a lower-case form
// (about sixty), where a byte-by-byte build would make a thousand calls.
#include "search/CharacterTables.h"

#include <string>

#include "platform/CaseMapping.h"

namespace qs {

namespace {

using Layout = CharacterTableLayout;

constexpr bool IsDigit(unsigned c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiLetter(unsigned c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsWord(unsigned c) { return IsDigit(c) || IsAsciiLetter(c) || c == '_'; }
constexpr bool IsSpace(unsigned c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
constexpr bool IsHexDigit(unsigned c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
constexpr bool IsGraph(unsigned c) { return c > 0x20 && c < 0x7F; }
constexpr bool IsControl(unsigned c) { return c < 0x20 || c == 0x7F; }

constexpr void SetBit(CharacterTables& tables, std::size_t bitmap, unsigned c) {
    tables[bitmap + c / 8] = static_cast<std::uint8_t>(tables[bitmap + c / 8] | (1u << (c % 8)));
}

// Everything but letter case: identity case maps, the class bitmaps, the type bytes.
constexpr CharacterTables MakeWithoutLetterCase() {
    CharacterTables tables{};
    for (unsigned c = 0; c < 256; ++c) {
        tables[Layout::kLowerCase + c] = static_cast<std::uint8_t>(c);
        tables[Layout::kFlipCase + c] = static_cast<std::uint8_t>(c);
        if (IsSpace(c)) SetBit(tables, Layout::kSpaceBits, c);
        if (IsHexDigit(c)) SetBit(tables, Layout::kHexDigitBits, c);
        if (IsDigit(c)) SetBit(tables, Layout::kDigitBits, c);
        if (IsWord(c)) SetBit(tables, Layout::kWordBits, c);
        if (IsGraph(c)) SetBit(tables, Layout::kGraphBits, c);
        if (IsGraph(c) || c == ' ') SetBit(tables, Layout::kPrintBits, c);
        if (IsGraph(c) && !IsDigit(c) && !IsAsciiLetter(c)) SetBit(tables, Layout::kPunctuationBits, c);
        if (IsControl(c)) SetBit(tables, Layout::kControlBits, c);
        std::uint8_t type = 0;
        if (IsSpace(c)) type |= Layout::kTypeSpace;
        if (IsDigit(c)) type |= Layout::kTypeDigit;
        if (IsWord(c)) type |= Layout::kTypeWord;
        tables[Layout::kTypes + c] = type;
    }
    return tables;
}

constexpr CharacterTables kWithoutLetterCase = MakeWithoutLetterCase();

}  // namespace

CharacterTables BuildCharacterTables(LetterCase letterCase) {
    CharacterTables tables = kWithoutLetterCase;
    if (letterCase == LetterCase::Omitted) return tables;
    std::string lower(256, '\0');
    for (unsigned c = 0; c < 256; ++c) lower[c] = static_cast<char>(c);
    LowerInPlace(lower);
    // A pair: an upper-case byte whose lower-case form maps back to it. Both are letters and
    // each is the other's case partner; no other byte changes case.
    bool paired[256] = {};
    for (unsigned upper = 0; upper < 256; ++upper) {
        const auto partner = static_cast<unsigned char>(lower[upper]);
        if (partner == upper || UpperByte(partner) != upper) continue;
        paired[upper] = true;
        tables[Layout::kLowerCase + upper] = partner;
        tables[Layout::kFlipCase + upper] = partner;
        SetBit(tables, Layout::kUpperBits, upper);
        SetBit(tables, Layout::kLowerBits, partner);
        tables[Layout::kTypes + upper] |= Layout::kTypeLetter;
        tables[Layout::kTypes + partner] |= Layout::kTypeLetter | Layout::kTypeLowerLetter;
    }
    // Where a byte is both, its upper-case partner is the one it flips to.
    for (unsigned upper = 0; upper < 256; ++upper) {
        if (paired[upper]) tables[Layout::kFlipCase + static_cast<unsigned char>(lower[upper])] = static_cast<std::uint8_t>(upper);
    }
    return tables;
}

}  // namespace qs
