// The translator's faults in words.
#include "search/PatternRefusal.h"

namespace qs {

const char* DescribePatternFault(PatternFault fault) {
    switch (fault) {
    case PatternFault::UnclosedGroup: return "this group is never closed";
    case PatternFault::UnopenedGroup: return "this \")\" closes no group";
    case PatternFault::TooManyGroups: return "a fifteenth group: a pattern holds at most 14";
    case PatternFault::MissingGroup: return "this back-reference names a group the pattern does not have";
    case PatternFault::UnclosedBracket: return "this bracket expression is never closed";
    case PatternFault::ReversedRange: return "this range ends below its start";
    case PatternFault::BadHexEscape:
        return "\\x wants two hexadecimal digits, or hexadecimal digits between braces up to FF";
    case PatternFault::TrailingBackslash: return "the pattern ends with a lone backslash";
    case PatternFault::NothingToRepeat:
        return "this quantifier stands at the start of the pattern, a group or a branch: it repeats nothing";
    case PatternFault::RepeatedAssertion:
        return "this quantifier follows an anchor (^ $ \\A \\Z \\b \\B), which cannot be repeated";
    case PatternFault::RepeatedQuantifier: return "this quantifier follows another quantifier";
    case PatternFault::BadRepeatCount: return "the counts of this quantifier are out of order or above 65535";
    case PatternFault::UnsupportedGroup:
        return "only plain groups ( ), flags (?i) and comments (?#...) exist; (?: (?= (?! (?< and named "
               "groups do not";
    case PatternFault::UnknownFlag: return "not a flag letter: the flags are i, r, s, g, m and x";
    case PatternFault::RepeatedMinus: return "a second minus sign in the flags";
    case PatternFault::UnclosedFlags: return "this (? is never closed";
    case PatternFault::UnclosedComment: return "this (?# comment is never closed";
    }
    return "refused";
}

}  // namespace qs
