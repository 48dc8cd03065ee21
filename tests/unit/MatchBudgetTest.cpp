// The bound on matching work: hostile patterns end as "no match" instead of freezing the
// host, while ordinary patterns still find their match in long selections.
#include <gtest/gtest.h>

#include <string>

#include "search/PatternMatcher.h"
#include "search/PatternTranslator.h"
#include "search/SelectionFilter.h"

namespace {

using qs::SelectionMatches;

// Words and spaces, no digits, no "x".
std::string Prose(std::size_t length) {
    std::string text;
    static const char* const kWords[] = {"alpha ", "beta ", "gamma ", "delta ", "epsilon "};
    for (unsigned i = 0; text.size() < length; ++i) text += kWords[(i * 7) % 5];
    text.resize(length);
    return text;
}

TEST(MatchBudget, ExponentialBacktrackingEndsAsNoMatch) {
    const std::string text = std::string(30, 'a') + "b";
    EXPECT_FALSE(SelectionMatches("(a+)+$", text));
    EXPECT_FALSE(SelectionMatches("^(a|a)*$", text));
    EXPECT_FALSE(SelectionMatches("^(a|aa)+$", std::string(60, 'a') + "b"));
    EXPECT_FALSE(SelectionMatches("(.*)*\\1x", std::string(40, 'a')));
    // The same pattern without the failing end still matches.
    EXPECT_TRUE(SelectionMatches("(a+)+$", std::string(30, 'a')));
}

// Without a total bound each of these would find its match after some 10^8 steps; the work
// of every start position grows with the rest of the text, so a limit per start position
// never stops them. The budget does, and a match that lies beyond it is not found.
TEST(MatchBudget, WorkSpreadOverEveryStartPositionIsBoundedToo) {
    // Backtracking through a repeated group at every start position.
    EXPECT_FALSE(SelectionMatches("(a|b)*[xy]|zz", std::string(20000, 'a') + "zz"));
    // No backtracking, but a scan to the end of the digits at every start position.
    EXPECT_FALSE(SelectionMatches("\\d+[xy]|zz", std::string(20000, '1') + "zz"));
    // The same searches on short texts are well within the budget.
    EXPECT_TRUE(SelectionMatches("(a|b)*[xy]|zz", std::string(200, 'a') + "zz"));
    EXPECT_TRUE(SelectionMatches("\\d+[xy]|zz", std::string(200, '1') + "zz"));
}

TEST(MatchBudget, OrdinaryPatternsStillMatchInLongSelections) {
    const std::string text = Prose(256 << 10) + " 2024-05-17";
    for (const qs::MatchEngine engine : {qs::MatchEngine::Interpreter, qs::MatchEngine::Jit, qs::MatchEngine::Automatic}) {
        const auto match = [&](const char* pattern, const std::string& subject) {
            const auto translated = qs::TranslatePattern(pattern);
            return translated && qs::MatchTranslatedPattern(*translated, subject, engine);
        };
        const int e = static_cast<int>(engine);
        EXPECT_TRUE(match("\\d{4}-\\d\\d-\\d\\d$", text)) << e;
        EXPECT_TRUE(match("^.*2024", text)) << e;
        EXPECT_TRUE(match("^[a-z ]*\\d", text)) << e;
        EXPECT_TRUE(match("(?i)\\bEPSILON\\b", text)) << e;
        EXPECT_FALSE(match("(?i)\\bzeta\\b", text)) << e;
        EXPECT_TRUE(match("^(\\w+ )+\\d", text)) << e;
        // A group repeated once per byte keeps memory for every byte it passed.
        EXPECT_TRUE(match("^([a-z]| )*\\s\\d", text.substr(text.size() - (64 << 10)))) << e;
    }
}

TEST(MatchBudget, MemoryForBacktrackingIsBoundedToo) {
    // Hundreds of megabytes of backtracking frames: refused rather than taken from the host.
    EXPECT_FALSE(SelectionMatches("^(\\w| )+\\d", Prose(1 << 20) + " 1"));
    EXPECT_TRUE(SelectionMatches("^(\\w| )+\\d", Prose(4 << 10) + " 1"));
}

}  // namespace
