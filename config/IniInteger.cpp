// Our own parser of the integer form: the C library's conversions accept other forms
// (white space of every kind, octal, trailing text) and clamp instead of refusing.
#include "config/IniInteger.h"

namespace qs {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        if (significant > 0 || digit != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// The magnitude of a decimal, while it can still be in range.
std::optional<std::uint32_t> ParseDecimal(std::string_view digits, std::uint32_t largest) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint32_t>(c - '0');
        if (value > (largest - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint32_t> magnitude;
    if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        magnitude = ParseHex(text.substr(1));
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        magnitude = ParseHex(text.substr(2));
    } else {
        magnitude = ParseDecimal(text, negative ? 0x80000000u : 0x7FFFFFFFu);
    }
    if (!magnitude) return std::nullopt;
    // Hexadecimal digits are a bit pattern, and a sign in front negates what that pattern reads
    // as; negating in 32 bits gives both that and the decimal value.
    return static_cast<std::int32_t>(negative ? 0u - *magnitude : *magnitude);
}

}  // namespace qs
