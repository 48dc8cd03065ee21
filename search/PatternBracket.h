// Bracket expressions of the pattern language ([abc], [a-z], [^\d-]) and their PCRE2 form.
#pragma once
#include <string>

#include "search/PatternRefusal.h"
#include "search/PatternSyntax.h"

namespace qs::pattern {

// Reads a bracket expression, the cursor standing on its "[", and appends a PCRE2 class with
// the same members. With cyrillicRanges (the r flag) the ranges \xE0-\xFF, \xC0-\xDF and
// \xE0-\xDF take in the yo letters as the flag says. False, with nothing appended, when the
// expression is refused: unterminated, a bad escape, or a range whose end lies below its start;
// then refusal, when given, says which and where.
bool TranslateBracket(PatternCursor& cursor, bool cyrillicRanges, std::string& out,
                      PatternRefusal* refusal = nullptr);

}  // namespace qs::pattern
