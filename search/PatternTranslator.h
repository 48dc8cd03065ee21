// Rewrites a configured pattern, written in the selection filter's own pattern language, as a
// PCRE2 pattern with the same meaning, or refuses it.
#pragma once
#include <optional>
#include <string>

#include "search/PatternRefusal.h"

namespace qs {

// The language: literals, the dot, bracket expressions, capturing groups (at most 14),
// alternation, the quantifiers * + ? {n} {n,} {n,m} with an optional lazy "?", ^ $ \A \Z,
// \d \D \w \W \s \S \b \B, back-references \1 to \9, \t \n \r \f \a \e, \xHH and \x{H...},
// a backslash before any other character for that character, (?flags) with i r s g m x and
// "-", and (?#comments). Every other "(?" form is refused, as is anything malformed.
//
// The result is meant for PCRE2 compiled with PCRE2_DOTALL and nothing else that changes
// meaning, with the character tables of BuildCharacterTables(): ^ $ \Z, the dot without s,
// the flags r g m x and all literal bytes are spelled out explicitly, and only i is left to
// PCRE2, as inline (?i) and (?-i) at the places the pattern changes it.
std::optional<std::string> TranslatePattern(const std::string& pattern);

// The same; when the pattern is refused, refusal (if given) says why and where.
std::optional<std::string> TranslatePattern(const std::string& pattern, PatternRefusal* refusal);

}  // namespace qs
