// Cutting one fuzz input into the separate texts a target needs.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace qs_fuzz {

// The bytes before the first zero, and those after it (empty when there is no zero): configured
// texts and selections never hold a zero byte, so it serves as the separator.
inline std::pair<std::string, std::string> SplitAtZero(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t zero = bytes.find('\0');
    if (zero == std::string::npos) return {bytes, std::string()};
    return {bytes.substr(0, zero), bytes.substr(zero + 1)};
}

}  // namespace qs_fuzz
