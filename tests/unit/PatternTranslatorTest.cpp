// Which patterns the translator refuses, one row per kind of fault, and the unusual forms it
// must still accept.
#include <gtest/gtest.h>

#include <string>

#include "search/PatternTranslator.h"
#include "search/SelectionFilter.h"

namespace {

using qs::SelectionMatches;
using qs::TranslatePattern;

struct RefusedCase {
    std::string pattern;
    const char* text;  // a text the pattern would plausibly match if it were taken
};

void ExpectRefused(std::initializer_list<RefusedCase> cases) {
    for (const RefusedCase& c : cases) {
        EXPECT_FALSE(TranslatePattern(c.pattern).has_value()) << c.pattern;
        EXPECT_FALSE(SelectionMatches(c.pattern, c.text)) << c.pattern;
    }
}

TEST(PatternRefused, UnbalancedParentheses) {
    ExpectRefused({{"(ab", "ab"}, {"ab)", "ab"}, {"(a(b)", "ab"}, {"a)(b", "ab"}, {")", ")"}});
}

TEST(PatternRefused, UnterminatedBracketExpressions) {
    ExpectRefused({{"[a", "a"}, {"[", "["}, {"[]", "]"}, {"[^]", "x"}, {"[a\\]", "a"}, {"[a-", "a"}});
}

TEST(PatternRefused, RangeEndingBelowItsStart) {
    ExpectRefused({{"[z-a]", "m"}, {"[\\x42-\\x41]", "A"}, {"[a-\\b]", "a"}, {"(?-r)[\\xE0-\\xDF]", "\xE0"},
                   {"[\\xFF-\\xE0]", "\xE0"}});
}

TEST(PatternRefused, QuantifierFollowingNothing) {
    ExpectRefused({{"*a", "a"}, {"+", "+"}, {"?", "?"}, {"a|*b", "b"}, {"(*a)", "a"}, {"{2}a", "a"},
                   {"(?i)*a", "a"}, {"(?#note)+a", "a"}, {"(?x) *a", "a"}});
}

TEST(PatternRefused, QuantifierOnAnAssertion) {
    ExpectRefused({{"^*a", "a"}, {"a$?", "a"}, {"\\b+a", "a"}, {"\\B{2}a", "ba"}, {"\\A?a", "a"}, {"a\\Z*", "a"}});
}

TEST(PatternRefused, QuantifierOnAQuantifier) {
    ExpectRefused({{"a**", "a"}, {"a*+", "a"}, {"a++", "a"}, {"a{2}{3}", "aaaaaa"}, {"a*{2}", "a"},
                   {"a*??", "a"}, {"a?*", "a"}});
}

TEST(PatternRefused, QuantifierCountsOutOfOrderOrTooLarge) {
    ExpectRefused({{"a{3,2}", "aaa"}, {"a{65536}", "a"}, {"a{1,65536}", "a"}, {"a{99999999999999999999}", "a"}});
}

TEST(PatternRefused, MalformedHexadecimalEscapes) {
    ExpectRefused({{"\\x", "x"}, {"\\x4", "\x04"}, {"\\xG1", "G1"}, {"\\x{}", "x"}, {"\\x{41", "A"},
                   {"\\x{100}", "\x01"}, {"\\x{fffffffff41}", "A"}, {"[\\x{100}]", "\x01"}, {"[\\xZ]", "Z"}});
}

TEST(PatternRefused, BackslashAtTheEnd) {
    ExpectRefused({{"ab\\", "ab\\"}, {"[a\\", "a"}});
}

TEST(PatternRefused, UnknownFlagLetters) {
    ExpectRefused({{"(?z)a", "a"}, {"(?iz)a", "a"}, {"(?U)a", "a"}, {"(?n)a", "a"}, {"(?i-s-m)a", "a"},
                   {"(?i", "i"}, {"(? i)a", "a"}});
}

TEST(PatternRefused, OtherParenthesisQuestionMarkForms) {
    ExpectRefused({{"(?:ab)", "ab"}, {"(?=a)a", "a"}, {"(?!b)a", "a"}, {"(?<=a)b", "ab"}, {"(?<!a)b", "b"},
                   {"(?<n>a)", "a"}, {"(?P<n>a)", "a"}, {"(?'n'a)", "a"}, {"(?>a)", "a"}, {"(?|a)", "a"},
                   {"(a)(?1)", "aa"}, {"(?R)?", "a"}, {"(?(1)a|b)", "b"}, {"(?i:a)", "a"}, {"(?^i)a", "a"},
                   {"(?C1)a", "a"}, {"(?", "?"}});
}

TEST(PatternRefused, UnterminatedComment) {
    ExpectRefused({{"a(?#note", "a"}, {"(?#", "x"}});
}

TEST(PatternRefused, FifteenGroups) {
    std::string groups;
    for (int i = 0; i < 15; ++i) groups += "(a)";
    ExpectRefused({{groups, "aaaaaaaaaaaaaaa"}, {std::string(15, '(') + std::string(15, ')'), "x"}});
}

TEST(PatternRefused, BackReferenceToAMissingGroup) {
    ExpectRefused({{"\\1", "a"}, {"(a)\\2", "aa"}, {"(a)(b)\\3", "abb"}});
}

TEST(PatternRefused, PcreOnlySyntaxNeverReachesPcre) {
    // Verbs and callouts would mean something to PCRE2; in the pattern language they are
    // groups with a quantifier that follows nothing, or refused "(?" forms.
    ExpectRefused({{"(*UTF)a", "a"}, {"(*ACCEPT)", "x"}, {"a(*SKIP)", "a"}, {"(?C)", "x"}});
}

TEST(PatternAccepted, UnusualButValidForms) {
    const std::string accepted[] = {
        "(?)",       "(?-)",      "(?iRsGmX)", "(?i-s)",    "(?-isgmxr)", "[]]",  "[^]]", "a{",      "{",
        "}",         "]",         "a{,3}",     "a{x}",      "a{2",        "()",   "(|)",  "|",       "a||b",
        "(?#)",      "(?#(?)",    "\\1(a)",    "(a\\1)",    "[\\b]",      "[\\1]", "[\\A]", "\\x{0}", "\\x00",
        "a{0}",      "a{65535}",  "\\d\\D\\w\\W\\s\\S", "\\b\\B\\A\\Z", "(?x)#", "(?x)  ",
    };
    for (const std::string& pattern : accepted) EXPECT_TRUE(TranslatePattern(pattern).has_value()) << pattern;
}

TEST(PatternAccepted, EveryByteAsALiteral) {
    for (unsigned value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string metacharacters = "\\^$.[]()|*+?{";
        const std::string pattern = (metacharacters.find(byte) != std::string::npos ? "\\" : "") + byte;
        EXPECT_TRUE(SelectionMatches(pattern, "x" + byte + "x")) << "byte " << value;
        EXPECT_TRUE(SelectionMatches("[" + std::string(byte == "]" || byte == "\\" || byte == "^" ? "\\" : "") + byte + "]",
                                     "x" + byte + "x"))
            << "byte " << value << " in brackets";
        if (value != 'x') {
            EXPECT_FALSE(SelectionMatches(pattern, "xx")) << "byte " << value;
        }
    }
}

}  // namespace
