// The integer grammar of configuration values, against a second reading written straight
// from its rules: any byte string, both must agree.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "config/IniInteger.h"

namespace {

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
std::uint32_t HexValue(char c) {
    return static_cast<std::uint32_t>(IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
}

// Spaces, at most one sign, then "$", "x", "X", "0x" or "0X" and hexadecimal digits (at most
// eight significant, a 32-bit pattern read as signed, negated by "-"), or decimal digits whose
// signed value lies in 32 bits; nothing after the last digit.
std::optional<std::int32_t> Reference(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return std::nullopt;
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
    const std::string_view rest = text.substr(at);
    std::string_view digits;
    bool hex = false;
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        hex = true;
        digits = rest.substr(1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = true;
        digits = rest.substr(2);
    } else {
        digits = rest;
    }
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
        if (!(hex ? IsHexDigit(c) : IsDigit(c))) return std::nullopt;
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const std::string_view significant =
        firstSignificant == std::string_view::npos ? std::string_view() : digits.substr(firstSignificant);
    if (hex) {
        if (significant.size() > 8) return std::nullopt;
        std::uint32_t pattern = 0;
        for (char c : significant) pattern = pattern << 4 | HexValue(c);
        const std::int64_t value = static_cast<std::int32_t>(pattern);
        // Negating the most negative value stays there, as it does in 32 bits.
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(negative ? -value : value));
    }
    if (significant.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (char c : significant) value = value * 10 + (c - '0');
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (qs::ParseIniInteger(text) != Reference(text)) std::abort();
    return 0;
}
