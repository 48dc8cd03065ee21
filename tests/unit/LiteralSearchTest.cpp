// The literal prefilter of the selection filter: which run of bytes every match of a pattern
// must contain, and the fast search for it, checked against a plain search.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/CharacterTables.h"
#include "search/LiteralSearch.h"
#include "search/PatternLiteral.h"
#include "search/PatternTranslator.h"
#include "search/PatternTree.h"

namespace {

std::string Literal(const char* configured) {
    const auto translated = qs::TranslatePattern(configured);
    if (!translated) return "(refused)";
    const auto alternatives = qs::pattern::ReadTranslatedPattern(*translated, qs::BuildCharacterTables());
    if (!alternatives) return "(unread)";
    return qs::pattern::RequiredLiteral(*alternatives);
}

TEST(RequiredLiteral, LongestRunOfFixedBytes) {
    const struct {
        const char* pattern;
        std::string literal;
    } cases[] = {
        {"needle", "needle"},
        {"^https?://", "http"},              // s? may be absent: the run stops before it
        {"x{3}yz", "xxxyz"},                 // a fixed count repeats the byte
        {"ab+c", "a"},                       // b+ has no fixed count
        {"\\bword\\b", "word"},              // zero-width items leave the bytes side by side
        {"a(?i)bc", "a"},                    // under (?i) a letter is two possible bytes
        {"\\x00\\xFF-1", std::string("\0\xFF-1", 4)},
        {"1\\.5", "1.5"},
        {"[a]b[c]", "abc"},                  // a class of one byte is that byte
        {"a(bc)d", "a"},                     // a group breaks the run
        {"cat|dog", ""},                     // either alternative may match
        {"(?i)abc", ""},
        {"\\d+", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Literal(c.pattern), c.literal) << c.pattern;
}

TEST(ContainsLiteral, AgreesWithAPlainSearch) {
    std::mt19937 random(1234);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const std::string alphabet = "abc d\xE9\n";
    for (int round = 0; round < 3000; ++round) {
        // Texts around the vector widths, and the literal often at the very start or end.
        std::string text;
        const std::size_t length = pick(4) == 0 ? 100 + pick(400) : pick(70);
        for (std::size_t i = 0; i < length; ++i) text += alphabet[pick(3) == 0 ? pick(7) : pick(2)];
        std::string literal;
        const std::size_t literalLength = 1 + pick(6);
        if (!text.empty() && pick(2) == 0) {
            const std::size_t at = pick(3) == 0 ? text.size() - std::min<std::size_t>(literalLength, text.size()) : pick(text.size());
            literal = text.substr(at, literalLength);
        } else {
            for (std::size_t i = 0; i < literalLength; ++i) literal += alphabet[pick(3)];
        }
        EXPECT_EQ(qs::ContainsLiteral(text, literal), text.find(literal) != std::string::npos)
            << "literal \"" << literal << "\" in a text of " << text.size() << " bytes";
    }
}

TEST(ContainsLiteral, EdgesOfTheText) {
    const std::string filler(1000, 'a');
    EXPECT_TRUE(qs::ContainsLiteral(filler + "xy", "xy"));
    EXPECT_TRUE(qs::ContainsLiteral("xy" + filler, "xy"));
    EXPECT_FALSE(qs::ContainsLiteral(filler + "x", "xy"));
    EXPECT_FALSE(qs::ContainsLiteral("y" + filler + "x", "xy"));
    EXPECT_TRUE(qs::ContainsLiteral(filler, ""));
    EXPECT_FALSE(qs::ContainsLiteral("ab", "abc"));
    EXPECT_TRUE(qs::ContainsLiteral(std::string("a\0b", 3), std::string("\0b", 2)));
    // Every offset of a long literal across the vector widths.
    const std::string literal = "0123456789abcdefghijklmnopqrstuvwxyz0123456789";
    for (std::size_t offset = 0; offset < 80; ++offset) {
        EXPECT_TRUE(qs::ContainsLiteral(std::string(offset, '-') + literal + std::string(80 - offset, '-'), literal))
            << offset;
    }
}

}  // namespace
