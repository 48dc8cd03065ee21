// Builds the character tables that the selection filter hands to PCRE2.
#include "search/CharacterTables.h"

#include "platform/CaseMapping.h"

namespace qs {

namespace {

using Layout = CharacterTableLayout;

bool IsDigit(unsigned c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(unsigned c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsWord(unsigned c) { return IsDigit(c) || IsAsciiLetter(c) || c == '_'; }
bool IsSpace(unsigned c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsHexDigit(unsigned c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool IsGraph(unsigned c) { return c > 0x20 && c < 0x7F; }
bool IsControl(unsigned c) { return c < 0x20 || c == 0x7F; }

void SetBit(CharacterTables& tables, std::size_t bitmap, unsigned c) {
    tables[bitmap + c / 8] = static_cast<std::uint8_t>(tables[bitmap + c / 8] | (1u << (c % 8)));
}

}  // namespace

CharacterTables BuildCharacterTables() {
    CharacterTables tables{};
    for (unsigned c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        const unsigned char upper = UpperByte(byte);
        const unsigned char lower = LowerByte(byte);
        const bool isLower = upper != byte && LowerByte(upper) == byte;
        const bool isUpper = lower != byte && UpperByte(lower) == byte;

        tables[Layout::kLowerCase + c] = isUpper ? lower : byte;
        tables[Layout::kFlipCase + c] = isLower ? upper : isUpper ? lower : byte;

        if (IsSpace(c)) SetBit(tables, Layout::kSpaceBits, c);
        if (IsHexDigit(c)) SetBit(tables, Layout::kHexDigitBits, c);
        if (IsDigit(c)) SetBit(tables, Layout::kDigitBits, c);
        if (isUpper) SetBit(tables, Layout::kUpperBits, c);
        if (isLower) SetBit(tables, Layout::kLowerBits, c);
        if (IsWord(c)) SetBit(tables, Layout::kWordBits, c);
        if (IsGraph(c)) SetBit(tables, Layout::kGraphBits, c);
        if (IsGraph(c) || c == ' ') SetBit(tables, Layout::kPrintBits, c);
        if (IsGraph(c) && !IsDigit(c) && !IsAsciiLetter(c)) SetBit(tables, Layout::kPunctuationBits, c);
        if (IsControl(c)) SetBit(tables, Layout::kControlBits, c);

        std::uint8_t type = 0;
        if (IsSpace(c)) type |= Layout::kTypeSpace;
        if (isUpper || isLower) type |= Layout::kTypeLetter;
        if (isLower) type |= Layout::kTypeLowerLetter;
        if (IsDigit(c)) type |= Layout::kTypeDigit;
        if (IsWord(c)) type |= Layout::kTypeWord;
        tables[Layout::kTypes + c] = type;
    }
    return tables;
}

}  // namespace qs
