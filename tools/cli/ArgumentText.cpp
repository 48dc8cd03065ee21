// Escapes and the code page of selections given on the command line.
#include "tools/cli/ArgumentText.h"

#include <cstdio>

#include "search/QueryEncoding.h"

namespace qs::cli {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' && HexValue(text[i + 2]) >= 0 &&
                   HexValue(text[i + 3]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3]));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The length of the UTF-8 sequence at `at` and its code point; 0 when it is not well formed.
std::size_t DecodeUtf8(const std::string& text, std::size_t at, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::optional<std::string> Utf8ToCp1252(const std::string& utf8, std::string* error) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(utf8, at, code);
        if (length == 0) {
            if (error) *error = "not valid UTF-8 at byte " + std::to_string(at);
            return std::nullopt;
        }
        int byte = -1;
        for (int candidate = 0; candidate < 256 && byte < 0; ++candidate)
            if (Cp1252Table[static_cast<std::size_t>(candidate)] == code) byte = candidate;
        if (byte < 0) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
            if (error) *error = std::string("the character ") + name + " has no byte in Windows-1252";
            return std::nullopt;
        }
        out += static_cast<char>(byte);
        at += length;
    }
    return out;
}

bool IsUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(text, at, code);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::optional<std::string> SelectionFromArgument(const std::string& argument, std::string* error) {
    std::optional<std::string> text = ArgumentToCp1252(argument, error);
    if (!text) return std::nullopt;
    return Unescape(*text);
}

}  // namespace qs::cli
