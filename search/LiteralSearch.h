// Whether a text contains a run of bytes, at the speed of the processor's vector compares.
#pragma once
#include <string>

namespace qs {

// True for an empty literal.
bool ContainsLiteral(const std::string& text, const std::string& literal);

}  // namespace qs
