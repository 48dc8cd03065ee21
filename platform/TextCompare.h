// Comparison of texts by the rules of the user's locale.
#pragma once
#include <string_view>

namespace qs {

// True when the two texts compare equal with letter case ignored, as the system's locale
// comparison sees them.
bool EqualIgnoringCase(std::string_view left, std::string_view right);

}  // namespace qs
