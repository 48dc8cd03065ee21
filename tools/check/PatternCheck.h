// Whether the selection filter takes a pattern, and if not, why.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace qs::check {

struct PatternProblem {
    std::string reason;
    std::optional<std::size_t> position;  // byte of the pattern, from 0, when the fault has one
};

// None when the filter takes the pattern (an empty pattern included).
std::optional<PatternProblem> FindPatternProblem(const std::string& pattern);

}  // namespace qs::check
