// The integer form of configuration values.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace qs {

// The value when the whole text is an integer: spaces (code 32) in front, at most one sign,
// then a hexadecimal form ("$", "x", "X", "0x" or "0X" and up to eight significant digits,
// read as a signed 32-bit pattern) or a decimal one within the 32-bit signed range, and
// nothing after the last digit. Anything else, the empty text among it, is no integer.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace qs
