// The character tables given to PCRE2: laid out as PCRE2 reads them, and giving the pattern
// language's \d \w \s \b on every byte, with and without (?i).
#include <gtest/gtest.h>

#include <pcre2.h>

#include <memory>
#include <string>

#include "platform/CaseMapping.h"
#include "search/CharacterTables.h"
#include "search/SelectionFilter.h"

namespace {

using Layout = qs::CharacterTableLayout;

bool IsWord(unsigned c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(unsigned c) { return c >= '0' && c <= '9'; }
bool IsSpace(unsigned c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// PCRE2's own tables for the C locale agree with ours on ASCII except that its space class
// has the vertical tab; any other difference means our layout is not the one PCRE2 reads.
TEST(CharacterTables, LayoutAgreesWithPcre2OnAscii) {
    const std::unique_ptr<const std::uint8_t, void (*)(const std::uint8_t*)> pcre2Tables(
        pcre2_maketables(nullptr), [](const std::uint8_t* tables) { pcre2_maketables_free(nullptr, tables); });
    ASSERT_TRUE(pcre2Tables);
    const qs::CharacterTables ours = qs::BuildCharacterTables();
    for (unsigned c = 0; c < 128; ++c) {
        EXPECT_EQ(ours[Layout::kLowerCase + c], pcre2Tables.get()[Layout::kLowerCase + c]) << c;
        EXPECT_EQ(ours[Layout::kFlipCase + c], pcre2Tables.get()[Layout::kFlipCase + c]) << c;
        const std::uint8_t type = pcre2Tables.get()[Layout::kTypes + c];
        const unsigned expectedType = c == '\v' ? type & ~unsigned{Layout::kTypeSpace} : type;
        EXPECT_EQ(ours[Layout::kTypes + c], expectedType) << c;
    }
    for (std::size_t bitmap = Layout::kClassBits; bitmap < Layout::kTypes; bitmap += 32) {
        for (std::size_t byte = 0; byte < 16; ++byte) {  // the bits of 0x00 to 0x7F
            unsigned expected = pcre2Tables.get()[bitmap + byte];
            if (bitmap == Layout::kSpaceBits && byte == '\v' / 8) expected &= ~(1u << ('\v' % 8));
            EXPECT_EQ(ours[bitmap + byte], expected) << "bitmap at " << bitmap << ", byte " << byte;
        }
    }
}

TEST(CharacterTables, FlipCaseIsItsOwnInverseAndFollowsTheCaseMapping) {
    const qs::CharacterTables tables = qs::BuildCharacterTables();
    for (unsigned c = 0; c < 256; ++c) {
        const unsigned flipped = tables[Layout::kFlipCase + c];
        EXPECT_EQ(tables[Layout::kFlipCase + flipped], c) << c;
        if (flipped != c) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(qs::UpperByte(byte) == flipped || qs::LowerByte(byte) == flipped) << c;
        }
    }
}

// The letter-case part, byte by byte from the platform's single-byte mapping: an upper-case
// letter lowers to a byte that uppers back to it, and the other way round. The tables are
// built from far fewer platform calls; they must come out the same.
TEST(CharacterTables, CasePartIsTheByteByByteCaseMapping) {
    const qs::CharacterTables tables = qs::BuildCharacterTables();
    for (unsigned c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        const unsigned char upper = qs::UpperByte(byte);
        const unsigned char lower = qs::LowerByte(byte);
        const bool isLower = upper != byte && qs::LowerByte(upper) == byte;
        const bool isUpper = lower != byte && qs::UpperByte(lower) == byte;
        EXPECT_EQ(tables[Layout::kLowerCase + c], isUpper ? lower : byte) << c;
        EXPECT_EQ(tables[Layout::kFlipCase + c], isLower ? upper : isUpper ? lower : byte) << c;
        EXPECT_EQ((tables[Layout::kUpperBits + c / 8] >> (c % 8)) & 1, isUpper ? 1 : 0) << c;
        EXPECT_EQ((tables[Layout::kLowerBits + c / 8] >> (c % 8)) & 1, isLower ? 1 : 0) << c;
        const unsigned letterTypes = Layout::kTypeLetter | Layout::kTypeLowerLetter;
        const unsigned expectedTypes = (isUpper || isLower ? Layout::kTypeLetter : 0u) | (isLower ? Layout::kTypeLowerLetter : 0u);
        EXPECT_EQ(tables[Layout::kTypes + c] & letterTypes, expectedTypes) << c;
    }
}

TEST(CharacterTables, ClassEscapesMatchExactlyTheirBytes) {
    for (unsigned c = 1; c < 256; ++c) {
        const std::string text(1, static_cast<char>(c));
        for (const char* flags : {"", "(?i)"}) {
            const std::string f = flags;
            EXPECT_EQ(qs::SelectionMatches(f + "\\w", text), IsWord(c)) << f << " \\w on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "\\W", text), !IsWord(c)) << f << " \\W on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "[\\w]", text), IsWord(c)) << f << " [\\w] on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "[^\\w]", text), !IsWord(c)) << f << " [^\\w] on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "\\d", text), IsDigit(c)) << f << " \\d on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "[\\D]", text), !IsDigit(c)) << f << " [\\D] on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "\\s", text), IsSpace(c)) << f << " \\s on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "[\\S]", text), !IsSpace(c)) << f << " [\\S] on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "\\b", text), IsWord(c)) << f << " \\b on byte " << c;
            EXPECT_EQ(qs::SelectionMatches(f + "\\B", text), !IsWord(c)) << f << " \\B on byte " << c;
        }
    }
}

TEST(CharacterTables, CaseInsensitiveMatchingFoldsEveryCasePair) {
    int pairs = 0;
    for (unsigned c = 1; c < 256; ++c) {
        const auto lower = static_cast<unsigned char>(c);
        const unsigned char upper = qs::UpperByte(lower);
        if (upper == lower || qs::LowerByte(upper) != lower) continue;
        ++pairs;
        const std::string lowerText(1, static_cast<char>(lower));
        const std::string upperText(1, static_cast<char>(upper));
        EXPECT_TRUE(qs::SelectionMatches("(?i)" + lowerText, upperText)) << "byte " << c;
        EXPECT_TRUE(qs::SelectionMatches("(?i)" + upperText, lowerText)) << "byte " << c;
        EXPECT_TRUE(qs::SelectionMatches("(?i)[" + lowerText + "]", upperText)) << "byte " << c;
        EXPECT_TRUE(qs::SelectionMatches("(?i)(" + lowerText + ")\\1", lowerText + upperText)) << "byte " << c;
        EXPECT_FALSE(qs::SelectionMatches(lowerText, upperText)) << "byte " << c;
    }
    EXPECT_GT(pairs, 26) << "accented letters have case partners in the ANSI code page";
}

}  // namespace
