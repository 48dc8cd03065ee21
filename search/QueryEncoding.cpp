// Query encoding: trimming, Windows-1252 to UTF-8, percent-encoding and the "%1" placeholder.
// The two encoders size their output once, write it in one pass and cut it to the length
// written: byte by byte into room for the worst case (three bytes per input byte), or, where
// the processor has the vector loops of search/VectorEncoding.h, by blocks into room for the
// length those loops count first.
#include "search/QueryEncoding.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "search/VectorEncoding.h"

namespace qs {

namespace {
constexpr std::array<std::uint16_t, 256> MakeCp1252Table() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) table[byte] = static_cast<std::uint16_t>(byte);
    constexpr std::uint16_t kHighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
    };
    for (unsigned i = 0; i < 32; ++i) table[0x80 + i] = kHighControls[i];
    return table;
}
}  // namespace

// Built at compile time: no code runs for it when the library loads.
constexpr std::array<std::uint16_t, 256> Cp1252Table = MakeCp1252Table();

namespace {

// A string of three bytes per input byte, to be written through data() and cut afterwards.
std::string WorstCaseBuffer(std::size_t inputLength) {
    std::string buffer;
    if (inputLength > buffer.max_size() / 3) throw std::length_error("text too long to encode");
    buffer.resize(inputLength * 3);
    return buffer;
}

constexpr bool IsUrlSafe(unsigned byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '.' || byte == '_';
}

// What UrlEncode writes for each byte: itself, "+", or "%" and two hexadecimal digits. One
// look-up per byte instead of a chain of comparisons.
struct UrlEncoding {
    char text[3];
    unsigned char length;
};

constexpr std::array<UrlEncoding, 256> MakeUrlEncodingTable() {
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::array<UrlEncoding, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (IsUrlSafe(byte)) {
            table[byte] = UrlEncoding{{static_cast<char>(byte), 0, 0}, 1};
        } else if (byte == ' ') {
            table[byte] = UrlEncoding{{'+', 0, 0}, 1};
        } else {
            table[byte] = UrlEncoding{{'%', kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]}, 3};
        }
    }
    return table;
}

constexpr std::array<UrlEncoding, 256> kUrlEncoding = MakeUrlEncodingTable();

}  // namespace

std::string TrimSpaces(std::string text) {
    const std::size_t last = text.find_last_not_of(' ');
    if (last == std::string::npos) return std::string();
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

namespace {

// Room the vector loops may write beyond their last byte.
constexpr std::size_t kVectorSlack = 64;

// Writes all three bytes; the pointer advances past the ones that count.
char* EncodeUrlBytes(const unsigned char* bytes, std::size_t count, char* out) {
    for (std::size_t i = 0; i < count; ++i) {
        const UrlEncoding& encoding = kUrlEncoding[bytes[i]];
        out[0] = encoding.text[0];
        out[1] = encoding.text[1];
        out[2] = encoding.text[2];
        out += encoding.length;
    }
    return out;
}

char* WriteUtf8(unsigned char byte, char* out) {
    const unsigned codePoint = Cp1252Table[byte];
    if (codePoint < 0x80) {
        *out++ = static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        *out++ = static_cast<char>(0xC0 | (codePoint >> 6));
        *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | (codePoint >> 12));
        *out++ = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

}  // namespace

std::string UrlEncode(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    if (vector_encoding::Available()) {
        const std::size_t length = vector_encoding::UrlEncodedLength(bytes, text.size());
        std::string encoded(length + kVectorSlack, '\0');
        char* out = &encoded[0];
        const std::size_t done = vector_encoding::UrlEncodePrefix(bytes, text.size(), out, &out);
        EncodeUrlBytes(bytes + done, text.size() - done, out);
        encoded.resize(length);
        return encoded;
    }
    std::string encoded = WorstCaseBuffer(text.size());
    char* out = EncodeUrlBytes(bytes, text.size(), &encoded[0]);
    encoded.resize(static_cast<std::size_t>(out - encoded.data()));
    return encoded;
}

std::string Cp1252ToUtf8(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    if (vector_encoding::Available()) {
        std::string utf8(vector_encoding::Utf8LengthBound(bytes, text.size()) + kVectorSlack, '\0');
        char* out = &utf8[0];
        for (std::size_t i = 0; i < text.size();) {
            i += vector_encoding::Latin1ToUtf8Prefix(bytes + i, text.size() - i, out, &out);
            // The block the vector loop stopped at (it holds a byte 0x80-0x9F), or the last bytes.
            for (const std::size_t end = std::min(text.size(), i + 32); i < end; ++i) out = WriteUtf8(bytes[i], out);
        }
        utf8.resize(static_cast<std::size_t>(out - utf8.data()));
        return utf8;
    }
    std::string utf8 = WorstCaseBuffer(text.size());
    char* out = &utf8[0];
    for (const unsigned char byte : text) out = WriteUtf8(byte, out);
    utf8.resize(static_cast<std::size_t>(out - utf8.data()));
    return utf8;
}

std::string InsertQuery(const std::string& urlTemplate, const std::string& text) {
    const std::size_t placeholder = urlTemplate.find("%1");
    if (placeholder == std::string::npos) return urlTemplate;
    std::string address;
    address.reserve(urlTemplate.size() - 2 + text.size());
    address.append(urlTemplate, 0, placeholder);
    address.append(text);
    address.append(urlTemplate, placeholder + 2, std::string::npos);
    return address;
}

}  // namespace qs
