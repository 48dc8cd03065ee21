// Escapes and literal bytes shared by the pattern translator and its bracket expressions.
#include "search/PatternSyntax.h"

namespace qs::pattern {

namespace {
int HexValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::optional<unsigned char> ControlEscape(unsigned char letter) {
    switch (letter) {
    case 't': return '\t';
    case 'n': return '\n';
    case 'r': return '\r';
    case 'f': return '\f';
    case 'a': return 0x07;
    case 'e': return 0x1B;
    default: return std::nullopt;
    }
}

std::optional<unsigned char> ReadHexEscape(PatternCursor& cursor) {
    if (cursor.Peek() == '{') {
        cursor.Skip(1);
        unsigned value = 0;
        std::size_t digits = 0;
        for (int digit; (digit = HexValue(cursor.Peek())) >= 0; ++digits) {
            value = value * 16 + static_cast<unsigned>(digit);
            if (value > 0xFF) return std::nullopt;
            cursor.Skip(1);
        }
        if (digits == 0 || cursor.Peek() != '}') return std::nullopt;
        cursor.Skip(1);
        return static_cast<unsigned char>(value);
    }
    const int high = HexValue(cursor.Peek());
    const int low = HexValue(cursor.Peek(1));
    if (high < 0 || low < 0) return std::nullopt;
    cursor.Skip(2);
    return static_cast<unsigned char>(high * 16 + low);
}

void AppendLiteralByte(std::string& out, unsigned char byte) {
    if (byte == 0xFF) {
        out += kLoneByteFF;
        return;
    }
    AppendClassByte(out, byte);
}

void AppendClassByte(std::string& out, unsigned char byte) {
    const bool alphanumeric =
        (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
    if (alphanumeric) {
        out += static_cast<char>(byte);
        return;
    }
    static const char kHexDigits[] = "0123456789abcdef";
    out += "\\x{";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
    out += '}';
}

}  // namespace qs::pattern
