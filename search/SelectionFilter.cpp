// The selection filter: translate the configured pattern, then search the text with PCRE2.
// Nothing is kept from one test to the next.
#include "search/SelectionFilter.h"

#include "search/PatternMatcher.h"
#include "search/PatternTranslator.h"

namespace qs {

bool SelectionMatches(const std::string& pattern, const std::string& text) {
    if (text.empty()) return false;
    if (pattern.empty()) return true;
    try {
        const std::optional<std::string> translated = TranslatePattern(pattern);
        return translated && MatchTranslatedPattern(*translated, text);
    } catch (...) {
        return false;  // exhausted memory while translating
    }
}

}  // namespace qs
