// Compiles a translated pattern with the selection filter's fixed settings.
#pragma once
#include <string>

#include "search/CharacterTables.h"
#include "search/Pcre2Handles.h"

namespace qs {

// Null when PCRE2 refuses the pattern. `metered`: with a callout before every item, for the
// work meter (search/MatchBudget.h). The compiled code points to the tables: they must
// outlive it.
pcre2::Code CompilePattern(const std::string& pcre2Pattern, const CharacterTables& tables, bool metered);

}  // namespace qs
