// What configured patterns mean: the selection filter on tables of (pattern, text, expected).
#include <gtest/gtest.h>

#include <string>

#include "search/SelectionFilter.h"

namespace {

using qs::SelectionMatches;

struct FilterCase {
    const char* pattern;
    std::string text;
    bool expected;
};

void ExpectCases(const FilterCase* begin, const FilterCase* end) {
    for (const FilterCase* c = begin; c != end; ++c) {
        EXPECT_EQ(SelectionMatches(c->pattern, c->text), c->expected)
            << "pattern \"" << c->pattern << "\" on \"" << c->text << '"';
    }
}

template <std::size_t N>
void ExpectCases(const FilterCase (&cases)[N]) {
    ExpectCases(cases, cases + N);
}

TEST(SelectionMatches, EmptyTextNeverPassesAndEmptyPatternAlwaysDoes) {
    const FilterCase cases[] = {
        {"", "", false},
        {"a", "", false},
        {"", "a", true},
        {"", " ", true},
        {"(", "x", false},  // a pattern only reaches the engine for a non-empty text
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, SearchesAnywhereUnlessAnchored) {
    const FilterCase cases[] = {
        {"ab", "xaby", true},
        {"^ab$", "xaby", false},
        {"^ab", "abc", true},
        {"ab$", "cab", true},
        {"cat|dog", "hotdog", true},
        {"^(cat|dog)$", "cats", false},
        {"\\Aab", "xab", false},
        {"ab\\Z", "ab", true},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, DollarAndBackslashZMeanTheVeryEnd) {
    const FilterCase cases[] = {
        {"^abc$", "abc\r\n", false},
        {"abc$", "abc\n", false},
        {"abc\\Z", "abc\n", false},
        {"abc\\Z", "abc\r", false},
        {"abc$", "abc", true},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, CaseSensitiveUnlessTurnedOff) {
    const FilterCase cases[] = {
        {"ABC", "abc", false},
        {"(?i)ABC", "abc", true},
        {"(?I)ABC", "abc", true},
        {"(?i)abc", "ABC", true},
        {"(?i)a(?-i)b", "Ab", true},
        {"(?i)a(?-i)b", "AB", false},
        {"(?i)[a-c]+", "ABC", true},
        {"(?i)[^a]", "A", false},
        {"(?i)(ab)\\1", "abAB", true},
        {"(ab)\\1", "abAB", false},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, CaseInsensitiveFoldsAccentedLetters) {
    const FilterCase cases[] = {
        {"\xE9", "\xC9", false},            // é against É
        {"(?i)\xE9", "\xC9", true},
        {"(?i)\xC9", "\xE9", true},
        {"(?i)\\xE9", "\xC9", true},
        {"(?i)caf\xC9", "CAF\xE9", true},
        {"(?i)[\xE0-\xEF]", "\xC9", true},  // a range folds too
        {"(?i)[^\xE9]", "\xC9", false},
        {"(?i)(\xE9)\\1", "\xE9\xC9", true},
        {"(?i)\xFF", "\x9F", true},          // ÿ and Ÿ
        {"(?i)\\xff+", "\x9F", true},
        {"(?i)[\xFF]", "\x9F", true},
        {"(?i)a\xFF", "A\x9F", true},
        {"[\x9F\xFF]", "\x9F", true},
        {"[\xFF\x9F]", "\x9F", true},
        {"(?i)\x9A", "\x8A", true},          // š and Š
        {"(?i)\x9C", "\x8C", true},          // œ and Œ
        {"(?i)\xDF", "SS", false},           // ß has no upper-case byte
        {"(?i)\xD7", "\xF7", false},         // × and ÷ are not letters
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, DotMatchesEveryByteUnlessSIsOff) {
    const FilterCase cases[] = {
        {"a.b", "a\nb", true},
        {"a.b", "a\rb", true},
        {"a.b", "a\xFF" "b", true},
        {"(?-s)a.b", "a\nb", false},
        {"(?-s)a.b", "a\rb", false},
        {"(?-s)a.b", "axb", true},
        {"(?-s)(?s)a.b", "a\nb", true},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, MultiLineTreatsCrLfAsOneBreak) {
    const FilterCase cases[] = {
        {"(?m)^abc$", "abc\r\n", true},
        {"(?m)^abc$", "x\nabc\ny", true},
        {"(?m)^abc$", "x\rabc\ry", true},
        {"(?m)^abc$", "x\r\nabc\r\ny", true},
        {"(?m)^b", "a\nb", true},
        {"(?m)^b", "a\rb", true},
        {"(?m)^b", "ab", false},
        {"(?m)a$", "a\rb", true},
        {"(?m)a$", "ab", false},
        {"(?m)^$", "a\n\nb", true},   // an empty line
        {"(?m)^$", "a\r\rb", true},
        {"(?m)^$", "a\r\n\r\nb", true},
        {"(?m)^$", "a\r\nb", false},  // no empty line between CR and LF
        {"(?m)\\r^", "a\r\nb", false},
        {"(?m)$\\n", "a\r\nb", false},
        {"(?m)$\\r", "a\r\nb", true},
        {"(?m)\\n^", "a\n", true},    // a line starts after every break, the last one too
        {"(?-m)^b", "a\nb", false},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, ClassEscapesAreAsciiOnly) {
    const FilterCase cases[] = {
        {"\\w+", "\xE9", false},
        {"\\w+", "\xE9\xE8\xC0", false},
        {"^\\w+$", "az_09AZ", true},
        {"\\d", "\xB2", false},   // superscript two
        {"\\s", "\v", false},     // vertical tab
        {"\\s", "\f", true},
        {"\\s", "\xA0", false},   // no-break space
        {"\\S", "\v", true},
        {"\\W", "\xE9", true},
        {"\\bcaf\\b", "caf\xE9", true},  // é is not a word character
        {"\\Bcaf", "xcaf", true},
        {"\\b", " ", false},
        {"(?i)\\w", "\xE9", false},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, EscapesStandForBytes) {
    const FilterCase cases[] = {
        {"\\t", "\t", true},
        {"\\n", "\n", true},
        {"\\r", "\r", true},
        {"\\f", "\f", true},
        {"\\a", "\x07", true},
        {"\\e", "\x1B", true},
        {"\\x41", "A", true},
        {"\\x{41}", "A", true},
        {"\\x{000041}", "A", true},
        {"\\xff", "\xFF", true},
        {"\\x411", "A1", true},   // two digits, then a literal
        {"\\.", "a", false},
        {"\\.", ".", true},
        {"\\q", "q", true},       // any other character stands for itself
        {"\\z", "z", true},
        {"\\0", "0", true},
        {"\\G", "G", true},
        {"\\Q.\\E", "Q.E", true},
        {"\\p", "p", true},
        {"\\-", "-", true},
        {"\\ ", " ", true},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, BackReferencesMatchTheGroupsText) {
    const FilterCase cases[] = {
        {"(a)\\1", "aa", true},
        {"(a)\\1", "ab", false},
        {"(a|b)\\1", "ab", false},
        {"(a|b)\\1", "abb", true},
        {"\\1(a)", "aa", false},       // the group has not matched yet
        {"(a)\\10", "aa0", true},      // \1, then the digit 0
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)\\9", "abcdefghii", true},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, BracketExpressions) {
    const FilterCase cases[] = {
        {"[abc]", "xbx", true},
        {"[^abc]", "abc", false},
        {"[]a]", "]", true},
        {"[^]a]", "]", false},
        {"[a-]", "-", true},
        {"[-a]", "-", true},
        {"[\\d-z]", "-", true},
        {"[\\]]", "]", true},
        {"[\\\\]", "\\", true},
        {"[\\b]", "\b", true},
        {"[\\b]", "b", false},
        {"[\\x41-\\x43]", "B", true},
        {"[.]", "x", false},
        {"[$]", "$", true},
        {"[[:alpha:]]", "a", false},    // no POSIX classes: "[", ":", "a" ... then "]"
        {"[[:alpha:]]", ":]", true},
        {"[\\w\\s]+$", "a b", true},
        {"[^\\d]", "5", false},
        {"[\\D]", "5", false},
        {"[a-c-e]", "-", true},
        {"[\\t]", "\t", true},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, CyrillicRangesTakeInTheYoLetters) {
    const FilterCase cases[] = {
        {"[\\xE0-\\xFF]", "\xB8", true},      // ё with а-я
        {"[\\xE0-\\xFF]", "\xA8", false},
        {"[\\xC0-\\xDF]", "\xA8", true},      // Ё with А-Я
        {"[\\xC0-\\xDF]", "\xB8", false},
        {"[\xE0-\xFF]", "\xB8", true},        // written as bytes
        {"[\\xE0-\\xDF]", "\xA8", true},      // а-Я: both cases
        {"[\\xE0-\\xDF]", "\xB8", true},
        {"[\\xE0-\\xDF]", "\xC0", true},
        {"[\\xE0-\\xDF]", "\xFF", true},
        {"[\\xE0-\\xDF]", "\xBF", false},
        {"[^\\xE0-\\xFF]", "\xB8", false},
        {"[\\xE1-\\xFF]", "\xB8", false},     // other ranges are plain
        {"[\\xC0-\\xFF]", "\xA8", false},
        {"(?-r)[\\xE0-\\xFF]", "\xB8", false},
        {"(?-r)[\\xE0-\\xFF]", "\xE0", true},
        {"(?-r)(?R)[\\xC0-\\xDF]", "\xA8", true},
        {"(?-r)[\\xE0-\\xDF]", "\xE0", false},  // a reversed range again
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, Quantifiers) {
    const FilterCase cases[] = {
        {"^a{2}$", "aa", true},
        {"^a{2}$", "aaa", false},
        {"^a{2,}$", "aaaa", true},
        {"^a{2,3}$", "aaaa", false},
        {"^a{0}b$", "b", true},
        {"^a{,2}$", "a{,2}", true},   // not a quantifier: literal braces
        {"a{x", "a{x", true},
        {"{", "{", true},
        {"^a*?$", "aaa", true},
        {"^(ab)+$", "ababab", true},
        {"^(ab)+?$", "ababab", true},
        {"^a?b$", "b", true},
        {"(?-g)^a+$", "aaa", true},     // lazy, yet the match still has to reach the end
        {"(?-g)^(a|ab)(c|bcd)$", "abcd", true},
        {"(?G)^a+?$", "aa", true},
        {"a(?#note)*b", "b", true},     // a comment does not separate a quantifier from its item
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, FlagsLastToTheEndOfTheirGroup) {
    const FilterCase cases[] = {
        {"(a(?i)b)c", "aBc", true},
        {"(a(?i)b)c", "aBC", false},
        {"(a(?i)b|c)", "C", true},      // later branches of the same group too
        {"a(?i)b|c", "C", true},
        {"((?i)a)b", "AB", false},
        {"(?i-s)A.", "a\n", false},
        {"(?i-s)A.", "ax", true},
        {"(?)abc", "abc", true},
        {"(?-)abc", "abc", true},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, ExtendedFlagIgnoresWhiteSpaceAndComments) {
    const FilterCase cases[] = {
        {"(?x) a b c ", "abc", true},
        {"(?x)a b", "a b", false},
        {"(?x)a\\ b", "a b", true},
        {"(?x)a[ ]b", "a b", true},     // not inside brackets
        {"(?x)ab # the rest is a comment", "ab", true},
        {"(?x)a # b", "ab", true},
        {"(?x)a\\#b", "a#b", true},
        {"(?x)a +", "aaa", true},
        {"a b", "a b", true},
        {"a#b", "a#b", true},
        {"((?x) a )a b", "aa b", true},
        {"((?x) a )a b", "aab", false},
    };
    ExpectCases(cases);
}

TEST(SelectionMatches, GroupLimitIsFourteen) {
    const std::string fourteen = "(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)";
    const std::string text(20, 'a');
    EXPECT_TRUE(SelectionMatches(fourteen, text));
    EXPECT_FALSE(SelectionMatches(fourteen + "(a)", text));
    EXPECT_TRUE(SelectionMatches(std::string(14, '(') + std::string(14, ')'), "x"));
    EXPECT_FALSE(SelectionMatches(std::string(15, '(') + std::string(15, ')'), "x"));
}

TEST(SelectionMatches, RefusedPatternsFailOnEveryText) {
    for (const char* pattern : {"(ab", "[a", "(?:ab)"}) {
        for (const char* text : {"ab", "(ab", "[a", "(?:ab)", "x"}) {
            EXPECT_FALSE(SelectionMatches(pattern, text)) << pattern << " on " << text;
        }
    }
}

TEST(SelectionMatches, HandlesBytesThatCStringsCannot) {
    // A selection never holds a zero byte, but nothing here relies on that.
    EXPECT_TRUE(SelectionMatches("b", std::string("a\0b", 3)));
    EXPECT_TRUE(SelectionMatches("a.b", std::string("a\0b", 3)));
    EXPECT_FALSE(SelectionMatches("^a$", std::string("a\0", 2)));
}

}  // namespace
