// A bound on the work that the metered search of a text charges (search/MatchBudget.h), read
// from the translated pattern alone, as a linear function of the text's length.
//
// Most configured patterns cannot spend their budget on any text: a literal, an anchored ISBN
// pattern or a list of words does a bounded amount of work at each start position. For such a
// pattern the meter can never stop the search, so the search may run without it and find the
// same answer, many times faster. The bound counts what the meter counts: one unit for every
// item PCRE2 tries and one for every byte it moves forward, along every path that
// backtracking can take; where it cannot be sure, it counts more, never less.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "search/CharacterTables.h"
#include "search/PatternTree.h"

namespace qs {

struct SearchWorkBound {
    double constant = 0;  // units
    double perByte = 0;   // units per byte of text
    // Every alternative starts with \A: only the search at the text's first byte gets further.
    bool anchored = false;

    double Units(std::size_t textLength) const { return constant + perByte * static_cast<double>(textLength); }
};

// Nothing when the work can grow faster than the text (a repeated group that can repeat
// without end, a scan to the end of the text from every start position, ...) or the pattern
// holds a form the translator does not write. `tables`: those the pattern is compiled with.
std::optional<SearchWorkBound> BoundSearchWork(const std::string& pcre2Pattern, const CharacterTables& tables);
// The same from the pattern's structure (search/PatternTree.h).
std::optional<SearchWorkBound> BoundSearchWork(const std::vector<pattern::Alternative>& alternatives);

}  // namespace qs
