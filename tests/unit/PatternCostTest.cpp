// The work bound read from a pattern: typical patterns get one well inside the budget, those
// that can backtrack without end get none, and the bound is never below what the meter
// actually charges. A search without the meter then gives the answer the metered one gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "search/CharacterTables.h"
#include "search/MatchBudget.h"
#include "search/PatternCompile.h"
#include "search/PatternCost.h"
#include "search/PatternMatcher.h"
#include "search/PatternTranslator.h"

namespace {

constexpr std::size_t kMebibyte = 1 << 20;

std::optional<qs::SearchWorkBound> Bound(const std::string& configured) {
    const std::optional<std::string> translated = qs::TranslatePattern(configured);
    if (!translated) return std::nullopt;
    return qs::BoundSearchWork(*translated, qs::BuildCharacterTables());
}

// What the meter charges for a whole search, with a budget that never runs out; nothing
// when PCRE2 stops for another reason (its own limits, the JIT's stack).
std::optional<std::uint64_t> MeteredWork(const std::string& translated, const std::string& text, bool jit) {
    const qs::CharacterTables tables = qs::BuildCharacterTables();
    const qs::pcre2::Code code = qs::CompilePattern(translated, tables, true);
    if (!code) return std::nullopt;
    if (jit) pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
    const qs::pcre2::MatchContext context(pcre2_match_context_create(nullptr));
    const qs::pcre2::MatchData data(pcre2_match_data_create(1, nullptr));
    qs::WorkMeter meter{std::numeric_limits<std::uint64_t>::max(), 0, 0};
    pcre2_set_callout(context.get(), qs::ChargeStep, &meter);
    const int result = pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, 0,
                                   data.get(), context.get());
    if (result < 0 && result != PCRE2_ERROR_NOMATCH) return std::nullopt;
    return meter.spent;
}

struct KindCase {
    const char* pattern;
    bool fitsBudget;  // on a selection of 1 MiB
    bool anchored;
};

TEST(PatternCost, TypicalPatternsFitTheBudgetAndRunawayOnesDoNot) {
    const KindCase cases[] = {
        {"needle", true, false},
        {"(?i)\\b(alpha|beta|gamma|delta|epsilon|zeta|eta|theta|iota|kappa)\\b", true, false},
        {"\\b\\d{4}-\\d\\d-\\d\\d\\b", true, false},
        {"cat|dog|bird", true, false},
        {"^(97[89]-?)?([0-9]-?){9}[0-9Xx]$", true, true},
        {"^[^ \\t\\r\\n]+$", true, true},
        {"^\\d{5}$|^[A-Z]{2}-\\d{4}$", true, true},
        {"^[a-z ]*\\d", true, true},
        // Nested or unbounded repeats of groups can backtrack without end.
        {"(a+)+$", false, false},
        {"^(\\w+ )+\\d", false, true},
        {"(a|aa)*b", false, false},
        // A scan to the end of the text from every start position.
        {"\\d+[xy]|zz", false, false},
        {"(a|b)*[xy]|zz", false, false},
        // Bounded, but backtracking multiplies the counts.
        {"^(a?){25}a{25}$", false, true},
        {"(a|a)(a|a)(a|a)(a|a)(a|a)(a|a)(a|a)(a|a)(a|a)(a|a)b", false, false},
    };
    for (const KindCase& c : cases) {
        const std::optional<qs::SearchWorkBound> bound = Bound(c.pattern);
        const bool fits = bound && bound->Units(kMebibyte) <= static_cast<double>(qs::SearchBudget(kMebibyte));
        EXPECT_EQ(fits, c.fitsBudget) << c.pattern;
        if (fits) {
            EXPECT_EQ(bound->anchored, c.anchored) << c.pattern;
        }
    }
}

// Pattern and text pairs where the bound is checked against the meter.
struct Sample {
    std::string pattern;  // configured
    std::string text;
};

// Random patterns over a few bytes, with every construct the language has, and texts made of
// long runs of "a" and a few other bytes: the patterns find partial matches everywhere, and
// their repeats take and give back many bytes.
std::vector<Sample> RandomSamples(unsigned seed, int count) {
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const char* const kAtoms[] = {"a", "a", "a", "b", "A", ".", "[ab]", "[^b]", "[a-c]", "[aA]", "[^Aa]",
                                          "\\d", "\\w", "\\s", "\\W", "1", " ", "\\x61", "\\n"};
    static const char* const kAssertions[] = {"\\b", "\\B", "^", "$", "\\A", "\\Z"};
    static const char* const kQuantifiers[] = {"?", "{2}", "{0,3}", "{1,2}", "*", "+", "??", "{2,9}?", "+?", "{0,20}"};
    std::vector<Sample> samples;
    for (int i = 0; i < count; ++i) {
        int groups = 0;
        std::function<std::string(int)> sequence = [&](int depth) {
            std::string out;
            const int items = 1 + pick(4);
            for (int k = 0; k < items; ++k) {
                const int kind = pick(10);
                if (kind == 0) {
                    out += kAssertions[pick(sizeof kAssertions / sizeof kAssertions[0])];
                    continue;
                }
                if (kind <= 2 && depth < 2 && groups < 9) {
                    ++groups;
                    out += "(" + sequence(depth + 1);
                    for (int alternatives = pick(4); alternatives > 0; --alternatives) out += "|" + sequence(depth + 1);
                    out += ")";
                } else if (kind == 3 && groups > 0) {
                    out += "\\" + std::to_string(1 + pick(groups));
                } else {
                    out += kAtoms[pick(sizeof kAtoms / sizeof kAtoms[0])];
                }
                if (pick(3) == 0) out += kQuantifiers[pick(sizeof kQuantifiers / sizeof kQuantifiers[0])];
            }
            return out;
        };
        std::string pattern = sequence(0);
        if (pick(4) == 0) pattern = sequence(0) + "|" + pattern;
        if (pick(5) == 0) pattern = (pick(2) ? "(?i)" : "(?m)") + pattern;
        static const char kOtherBytes[] = "bA1 \n\r-c";
        std::string text;
        const std::size_t length = pick(3) == 0 ? 100 + pick(300) : pick(30);
        while (text.size() < length) {
            if (pick(2) == 0) {
                text.append(1 + pick(30), 'a');
            } else {
                text += kOtherBytes[pick(sizeof kOtherBytes - 1)];
            }
        }
        samples.push_back({pattern, text});
    }
    return samples;
}

// Cases for each rule of the bound, in texts that make it count.
std::vector<Sample> TargetedSamples() {
    const std::string run(300, 'a');
    return {
        {"a{0,20}ab", run + "cb"},  // the repeat's give-backs all pass the next item
        {"a{0,20}b", run + "cb"},   // and here none does
        {"[a-c]{1,30}[ab]c", run + "d c"},
        {"(aaaa|aaab|aaac|aaad)x", run + "x"},  // alternatives that share first bytes
        {"(ba|ca|da|aa)(ab|aa)x", run + "x"},
        {"(?i)(a|b)(A|c)(a|A)x", "aAaAaAaAaAaAaAaAaAaA x"},
        {"(a|aa)(a|aa)(a|aa)(a|aa)x", run + "x"},
        {"(a{1,10})\\1x", run + "x"},  // back-references to long groups
        {"(a{2,4}|b)\\1{0,3}x", run + "x"},
        {"(?m)^a{1,10}$", "aaa\naaaaaaaaaaaa\r\naaaa\r\r\naaaaaaaaaaaaaaa"},
        {"\\d{1,5}\\d{2}x", "1234567890123456789 x"},
        {"(a?){8}a{8}x", run + "x"},
        {"^a*b|a{1,5}c", run + "b"},
        {"^a*(ab|ac|ad)x", run + "x"},  // every byte a repeat gives back
        {"(a){0,10}a{0,20}ab", run + "cb"},  // a group's optional copies
        {"^[^ ]+$", run},
    };
}

TEST(PatternCost, BoundIsNeverBelowWhatTheMeterCharges) {
    int checked = 0;
    std::vector<Sample> samples = TargetedSamples();
    for (Sample& sample : RandomSamples(20240517, 4000)) samples.push_back(std::move(sample));
    for (const Sample& sample : samples) {
        const std::optional<std::string> translated = qs::TranslatePattern(sample.pattern);
        if (!translated) continue;
        const std::optional<qs::SearchWorkBound> bound = qs::BoundSearchWork(*translated, qs::BuildCharacterTables());
        if (!bound) continue;
        for (const bool jit : {false, true}) {
            const std::optional<std::uint64_t> spent = MeteredWork(*translated, sample.text, jit);
            if (!spent) continue;
            ++checked;
            EXPECT_LE(static_cast<double>(*spent), bound->Units(sample.text.size()))
                << "pattern \"" << sample.pattern << "\" on \"" << sample.text << "\"" << (jit ? " (JIT)" : "");
        }
    }
    EXPECT_GT(checked, 1000) << "too few bounded patterns to tell anything";
}

TEST(PatternCost, SearchWithoutTheMeterGivesTheMeteredAnswer) {
    std::vector<Sample> samples = RandomSamples(77, 1500);
    // Long texts too, where a bound near the budget would show.
    for (Sample& sample : RandomSamples(78, 100)) {
        while (sample.text.size() < 20000) sample.text += sample.text + "ab ";
        samples.push_back(sample);
    }
    for (const Sample& sample : samples) {
        const std::optional<std::string> translated = qs::TranslatePattern(sample.pattern);
        if (!translated) continue;
        for (const qs::MatchEngine engine : {qs::MatchEngine::Interpreter, qs::MatchEngine::Jit, qs::MatchEngine::Automatic}) {
            EXPECT_EQ(qs::MatchTranslatedPattern(*translated, sample.text, engine, qs::Metering::WhereNeeded),
                      qs::MatchTranslatedPattern(*translated, sample.text, engine, qs::Metering::Always))
                << "pattern \"" << sample.pattern << "\", text of " << sample.text.size() << " bytes, engine "
                << static_cast<int>(engine);
        }
    }
}

}  // namespace
