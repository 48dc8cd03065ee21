// The text operations of a search run, each checked against what it must give: the input is
// a URL template and a selection, separated by a zero byte.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzInput.h"
#include "search/QueryEncoding.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool IsSafe(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;  // the encoder writes upper-case digits only
}

// Undoes UrlEncode, checking that it wrote only its own forms.
std::string UrlDecode(const std::string& encoded) {
    std::string text;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const auto c = static_cast<unsigned char>(encoded[i]);
        if (c == '+') {
            text += ' ';
        } else if (c == '%') {
            Check(i + 2 < encoded.size());
            const int high = HexValue(encoded[i + 1]), low = HexValue(encoded[i + 2]);
            Check(high >= 0 && low >= 0);
            const auto byte = static_cast<unsigned char>(high * 16 + low);
            Check(!IsSafe(byte) && byte != ' ');  // only what must be encoded is
            text += static_cast<char>(byte);
            i += 2;
        } else {
            Check(IsSafe(c));
            text += static_cast<char>(c);
        }
    }
    return text;
}

// Reads UTF-8 back into code points and checks each against the code page's table.
void CheckUtf8Of(const std::string& text, const std::string& utf8) {
    std::size_t at = 0;
    for (unsigned char byte : text) {
        Check(at < utf8.size());
        const auto lead = static_cast<unsigned char>(utf8[at]);
        unsigned codePoint = 0;
        std::size_t length = 0;
        if (lead < 0x80) {
            codePoint = lead, length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            codePoint = lead & 0x1Fu, length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            codePoint = lead & 0x0Fu, length = 3;
        } else {
            Check(false);
        }
        Check(at + length <= utf8.size());
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(utf8[at + i]);
            Check((next & 0xC0) == 0x80);
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        // The shortest form only.
        Check(length == (codePoint < 0x80 ? 1u : codePoint < 0x800 ? 2u : 3u));
        Check(codePoint == qs::Cp1252Table[byte]);
        at += length;
    }
    Check(at == utf8.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [urlTemplate, text] = qs_fuzz::SplitAtZero(data, size);

    const std::string trimmed = qs::TrimSpaces(text);
    const std::size_t first = text.find_first_not_of(' ');
    Check(trimmed == (first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1)));

    const std::string encoded = qs::UrlEncode(text);
    Check(encoded.size() <= 3 * text.size());
    Check(UrlDecode(encoded) == text);

    const std::string utf8 = qs::Cp1252ToUtf8(text);
    Check(utf8.size() <= 3 * text.size());
    CheckUtf8Of(text, utf8);

    const std::string address = qs::InsertQuery(urlTemplate, encoded);
    const std::size_t placeholder = urlTemplate.find("%1");
    if (placeholder == std::string::npos) {
        Check(address == urlTemplate);
    } else {
        Check(address == urlTemplate.substr(0, placeholder) + encoded + urlTemplate.substr(placeholder + 2));
    }
    return 0;
}
