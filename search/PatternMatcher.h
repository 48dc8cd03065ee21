// Runs a translated pattern through PCRE2 on one text, within a bounded amount of work.
#pragma once
#include <string>

namespace qs {

enum class MatchEngine {
    Automatic,    // the JIT for long texts, where compiling it pays off, else the interpreter
    Interpreter,
    Jit,          // falls back to the interpreter where the JIT is unavailable
};

enum class Metering {
    WhereNeeded,  // the work meter only for patterns that could spend the budget
    Always,       // the meter for every pattern, every text searched by PCRE2, full tables
};

// True when pcre2Pattern (from TranslatePattern) matches anywhere in text. Every failure,
// including a pattern PCRE2 does not compile and a match that exceeds its work budget
// (search/MatchBudget.h), is false. The answer is the same with either metering.
bool MatchTranslatedPattern(const std::string& pcre2Pattern, const std::string& text,
                            MatchEngine engine = MatchEngine::Automatic,
                            Metering metering = Metering::WhereNeeded);

}  // namespace qs
