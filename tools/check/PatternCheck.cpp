// The filter refuses a pattern in two places: its translator, which knows why and where, and
// the pattern engine, which may still refuse a translated pattern (one too large, say).
#include "tools/check/PatternCheck.h"

#include "search/PatternMatcher.h"
#include "search/PatternTranslator.h"

namespace qs::check {

std::optional<PatternProblem> FindPatternProblem(const std::string& pattern) {
    if (pattern.empty()) return std::nullopt;
    PatternRefusal refusal;
    const std::optional<std::string> translated = TranslatePattern(pattern, &refusal);
    if (!translated) return PatternProblem{DescribePatternFault(refusal.fault), refusal.position};
    // An empty first branch matches every text at once, so this is true exactly when the engine
    // compiles the pattern with the filter's own settings, whatever the pattern would match.
    if (!MatchTranslatedPattern("|(?:" + *translated + ")", "x")) {
        return PatternProblem{"the pattern engine cannot compile it (too large or too deeply nested)", std::nullopt};
    }
    return std::nullopt;
}

}  // namespace qs::check
