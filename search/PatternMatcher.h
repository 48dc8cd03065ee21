// Runs a translated pattern through PCRE2 on one text, within a bounded amount of work.
#pragma once
#include <string>

namespace qs {

enum class MatchEngine {
    Automatic,    // the JIT for long texts, where compiling it pays off, else the interpreter
    Interpreter,
    Jit,          // falls back to the interpreter where the JIT is unavailable
};

// True when pcre2Pattern (from TranslatePattern) matches anywhere in text. Every failure,
// including a pattern PCRE2 does not compile and a match that exceeds its work budget, is false.
bool MatchTranslatedPattern(const std::string& pcre2Pattern, const std::string& text,
                            MatchEngine engine = MatchEngine::Automatic);

}  // namespace qs
