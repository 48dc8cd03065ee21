// The selection filter: whether a selection passes a search entry's pattern.
#pragma once
#include <string>

namespace qs {

// False for an empty text; true for an empty pattern; otherwise whether the pattern, in the
// configuration's pattern language, matches anywhere in the text. A refused pattern and every
// failure while matching give false.
bool SelectionMatches(const std::string& pattern, const std::string& text);

}  // namespace qs
