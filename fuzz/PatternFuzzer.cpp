// The selection filter on a configured pattern and a selection, separated by a zero byte:
// the translation, both engines on the translated pattern, and the test as a run makes it.
// A pattern's work is bounded, so every input must finish quickly (libFuzzer's -timeout).
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "fuzz/FuzzInput.h"
#include "search/PatternMatcher.h"
#include "search/PatternTranslator.h"
#include "search/SelectionFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [pattern, text] = qs_fuzz::SplitAtZero(data, size);
    // The configuration holds at most 255 characters of a pattern.
    if (pattern.size() > 255) return -1;

    const bool matches = qs::SelectionMatches(pattern, text);
    if (text.empty() && matches) std::abort();
    if (!text.empty() && pattern.empty() && !matches) std::abort();

    const std::optional<std::string> translated = qs::TranslatePattern(pattern);
    if (!translated) {
        if (matches && !pattern.empty()) std::abort();  // a refused pattern never matches
        return 0;
    }
    for (const qs::MatchEngine engine : {qs::MatchEngine::Interpreter, qs::MatchEngine::Jit})
        qs::MatchTranslatedPattern(*translated, text, engine);
    return 0;
}
