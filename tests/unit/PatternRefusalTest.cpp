// Why and where the translator refuses a pattern: one row per kind of fault, the position
// being the byte (from 0) a user should look at.
#include <gtest/gtest.h>

#include <string>

#include "search/PatternTranslator.h"

namespace {

using qs::PatternFault;
using qs::PatternRefusal;
using qs::TranslatePattern;

struct RefusalCase {
    std::string pattern;
    PatternFault fault;
    std::size_t position;
};

TEST(PatternRefusal, NamesTheFaultAndItsPosition) {
    const RefusalCase cases[] = {
        {"(ab", PatternFault::UnclosedGroup, 0},
        {"a(b(c)", PatternFault::UnclosedGroup, 1},
        {"ab)", PatternFault::UnopenedGroup, 2},
        {"(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)(a)", PatternFault::TooManyGroups, 42},
        {"(a)\\2", PatternFault::MissingGroup, 3},
        {"(a)\\3x\\2", PatternFault::MissingGroup, 3},
        {"x[ab", PatternFault::UnclosedBracket, 1},
        {"[a\\", PatternFault::UnclosedBracket, 0},
        {"[]", PatternFault::UnclosedBracket, 0},
        {"ab[z-a]", PatternFault::ReversedRange, 3},
        {"[ab-\\x41]", PatternFault::ReversedRange, 2},
        {"[a\\xZ]", PatternFault::BadHexEscape, 2},
        {"[a-\\x4]", PatternFault::BadHexEscape, 3},
        {"ab\\x4", PatternFault::BadHexEscape, 2},
        {"\\x{100}", PatternFault::BadHexEscape, 0},
        {"ab\\", PatternFault::TrailingBackslash, 2},
        {"*a", PatternFault::NothingToRepeat, 0},
        {"a|+b", PatternFault::NothingToRepeat, 2},
        {"(?i)*a", PatternFault::NothingToRepeat, 4},
        {"^*a", PatternFault::RepeatedAssertion, 1},
        {"a\\b{2}", PatternFault::RepeatedAssertion, 3},
        {"a**", PatternFault::RepeatedQuantifier, 2},
        {"a{2}{3}", PatternFault::RepeatedQuantifier, 4},
        {"a{3,2}", PatternFault::BadRepeatCount, 1},
        {"a{65536}", PatternFault::BadRepeatCount, 1},
        {"x(?:ab)", PatternFault::UnsupportedGroup, 1},
        {"(?=a)", PatternFault::UnsupportedGroup, 0},
        {"(?<n>a)", PatternFault::UnsupportedGroup, 0},
        {"(?P<n>a)", PatternFault::UnsupportedGroup, 0},
        {"(?1)", PatternFault::UnsupportedGroup, 0},
        {"(?i:a)", PatternFault::UnsupportedGroup, 0},
        {"(?iz)a", PatternFault::UnknownFlag, 3},
        {"(? i)a", PatternFault::UnknownFlag, 2},
        {"(?i-s-m)a", PatternFault::RepeatedMinus, 5},
        {"ab(?i", PatternFault::UnclosedFlags, 2},
        {"a(?#note", PatternFault::UnclosedComment, 1},
    };
    for (const RefusalCase& c : cases) {
        PatternRefusal refusal;
        refusal.position = 9999;
        EXPECT_FALSE(TranslatePattern(c.pattern, &refusal).has_value()) << c.pattern;
        EXPECT_EQ(static_cast<int>(refusal.fault), static_cast<int>(c.fault)) << c.pattern;
        EXPECT_EQ(refusal.position, c.position) << c.pattern;
        EXPECT_STRNE(qs::DescribePatternFault(refusal.fault), "") << c.pattern;
    }
}

// Asking for the reason changes nothing about what is accepted or what it becomes.
TEST(PatternRefusal, AskingForTheReasonChangesNoTranslation) {
    const std::string patterns[] = {
        "^(97[89]-?)?([0-9]-?){9}[0-9Xx]$", "(?i)caf\\xE9", "[\\xE0-\\xFF]+", "(?m)^a$", "a{2,}?", "(?x) a # b",
        "(ab", "[z-a]", "(?:a)", "a**", "\\", "(?#", "(a)\\1", "[]]", "(?)", "a{,3}",
    };
    for (const std::string& pattern : patterns) {
        PatternRefusal refusal;
        EXPECT_EQ(TranslatePattern(pattern, &refusal), TranslatePattern(pattern)) << pattern;
        if (!TranslatePattern(pattern)) {
            EXPECT_LE(refusal.position, pattern.size()) << pattern;
        }
    }
}

}  // namespace
