// Why the pattern translator refuses a configured pattern, and where: for tools that explain a
// configuration to its user. The selection filter itself only needs to know that it refused.
#pragma once
#include <cstddef>

namespace qs {

enum class PatternFault {
    UnclosedGroup,          // a "(" without its ")"
    UnopenedGroup,          // a ")" that closes no group
    TooManyGroups,          // a fifteenth group
    MissingGroup,           // a back-reference beyond the last group
    UnclosedBracket,        // a "[" without its "]"
    ReversedRange,          // a range whose end lies below its start
    BadHexEscape,           // \x without two hexadecimal digits, or braces holding more than FF
    TrailingBackslash,      // a backslash with nothing after it
    NothingToRepeat,        // a quantifier at the start of the pattern, a group or a branch
    RepeatedAssertion,      // a quantifier after ^ $ \A \Z \b \B
    RepeatedQuantifier,     // a quantifier after a quantifier
    BadRepeatCount,         // {n,m} out of order or above 65535
    UnsupportedGroup,       // (?: (?= (?! (?< (?P named groups, (?flags:...) and the like
    UnknownFlag,            // a letter other than i r s g m x in (?flags)
    RepeatedMinus,          // a second "-" in (?flags)
    UnclosedFlags,          // "(?" and flags without the ")"
    UnclosedComment,        // "(?#" without the ")"
};

struct PatternRefusal {
    PatternFault fault = PatternFault::UnclosedGroup;
    std::size_t position = 0;  // byte offset in the pattern, from 0, where the fault begins
};

// The fault in words, for the configuration's user.
const char* DescribePatternFault(PatternFault fault);

}  // namespace qs
