// A run of bytes that every match of a pattern contains, read from its structure: a text
// without it cannot match, whatever else the pattern asks.
#pragma once
#include <string>
#include <vector>

#include "search/PatternTree.h"

namespace qs::pattern {

// The longest such run among the fixed bytes of a pattern with one alternative (bytes
// matched once each, in a row; zero-width items such as \b in between do not break it).
// Empty when there is none.
std::string RequiredLiteral(const std::vector<Alternative>& alternatives);

}  // namespace qs::pattern
