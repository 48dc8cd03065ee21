// The query encoders: the documented cases, then every byte value against an independent
// reading (percent-decoding, UTF-8 decoding and the published Windows-1252 table).
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>

#include "search/QueryEncoding.h"
#include "tests/support/PluginFolder.h"

namespace {

using qs::Cp1252ToUtf8;
using qs::InsertQuery;
using qs::TrimSpaces;
using qs::UrlEncode;

std::string Byte(unsigned value) { return std::string(1, static_cast<char>(value)); }

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(TrimSpaces, RemovesOnlySpacesAtBothEnds) {
    const TextCase cases[] = {
        {"  a b  ", "a b"},
        {"    ", ""},
        {"", ""},
        {" x", "x"},
        {"x ", "x"},
        {"\ta", "\ta"},              // a tab is not a space
        {"a\n ", "a\n"},             // nor a line break
        {"\xA0" "a\xA0", "\xA0" "a\xA0"},  // nor the no-break space
        {" a  b ", "a  b"},          // spaces inside stay
    };
    for (const TextCase& c : cases) EXPECT_EQ(TrimSpaces(c.input), c.expected) << '"' << c.input << '"';
}

TEST(UrlEncode, EncodesTheDocumentedCases) {
    const TextCase cases[] = {
        {"", ""},
        {"a b", "a+b"},
        {"a+b", "a%2Bb"},
        {"~", "%7E"},
        {Byte(0x0A), "%0A"},
        {Byte(0xE9), "%E9"},
        {"%1", "%251"},
        {"*&/=", "%2A%26%2F%3D"},
        {"AZaz09-._", "AZaz09-._"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(UrlEncode(c.input), c.expected) << '"' << c.input << '"';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;  // lower-case digits are not allowed
}

// Reads an encoded text back; false when it holds anything but safe bytes, "+" and "%XX".
bool PercentDecode(const std::string& encoded, std::string& decoded) {
    decoded.clear();
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '+') {
            decoded += ' ';
        } else if (c == '%') {
            if (i + 2 >= encoded.size()) return false;
            const int high = HexDigitValue(encoded[i + 1]);
            const int low = HexDigitValue(encoded[i + 2]);
            if (high < 0 || low < 0) return false;
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                              c == '-' || c == '.' || c == '_';
            if (!safe) return false;
            decoded += c;
        }
    }
    return true;
}

TEST(UrlEncode, EveryByteDecodesBackAndOnlySafeBytesStayAsTheyAre) {
    std::string allBytes;
    for (unsigned value = 0; value < 256; ++value) {
        const std::string byte = Byte(value);
        const std::string encoded = UrlEncode(byte);
        const bool safe = (value >= 'A' && value <= 'Z') || (value >= 'a' && value <= 'z') ||
                          (value >= '0' && value <= '9') || value == '-' || value == '.' || value == '_';
        std::string decoded;
        ASSERT_TRUE(PercentDecode(encoded, decoded)) << "byte " << value << " gave " << encoded;
        EXPECT_EQ(decoded, byte) << "byte " << value;
        EXPECT_EQ(encoded.size(), safe || value == ' ' ? 1u : 3u) << "byte " << value;
        allBytes += byte;
    }
    std::string decoded;
    ASSERT_TRUE(PercentDecode(UrlEncode(allBytes), decoded));
    EXPECT_EQ(decoded, allBytes);
}

TEST(Cp1252ToUtf8, ConvertsTheDocumentedCases) {
    const TextCase cases[] = {
        {"", ""},
        {"plain ASCII", "plain ASCII"},
        {Byte(0xE9), "\xC3\xA9"},
        {Byte(0x80), "\xE2\x82\xAC"},
        {Byte(0x81), "\xC2\x81"},
        {Byte(0x83), "\xC6\x92"},
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(Cp1252ToUtf8(c.input), c.expected) << '"' << c.input << '"';
}

// Decodes one UTF-8 character of one to three bytes, rejecting overlong forms; -1 if invalid.
long DecodeOneUtf8Character(const std::string& bytes) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto continuation = [&](std::size_t i) { return (b(i) & 0xC0) == 0x80; };
    if (bytes.size() == 1 && b(0) < 0x80) return b(0);
    if (bytes.size() == 2 && (b(0) & 0xE0) == 0xC0 && continuation(1)) {
        const long value = ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        return value >= 0x80 ? value : -1;
    }
    if (bytes.size() == 3 && (b(0) & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
        const long value = ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        return value >= 0x800 ? value : -1;
    }
    return -1;
}

// Byte value to code point from tests/data/encoding/cp1252.txt; undefined bytes are absent.
std::map<unsigned, long> PublishedCp1252() {
    std::istringstream file(qs_test::ReadFile(qs_test::SourceFile("tests/data/encoding/cp1252.txt")));
    std::map<unsigned, long> table;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        const std::string codePoint = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
        if (!codePoint.empty()) table[static_cast<unsigned>(std::stoul(line.substr(0, tab), nullptr, 16))] = std::stol(codePoint, nullptr, 16);
    }
    return table;
}

TEST(Cp1252ToUtf8, EveryByteDecodesToThePublishedCodePoint) {
    const std::map<unsigned, long> published = PublishedCp1252();
    ASSERT_EQ(published.size(), 251u) << "the table has 256 bytes, five of them undefined";
    for (unsigned value = 0; value < 256; ++value) {
        const std::string utf8 = Cp1252ToUtf8(Byte(value));
        const auto entry = published.find(value);
        // An undefined byte stands for the code point of the same number.
        const long expected = entry != published.end() ? entry->second : static_cast<long>(value);
        EXPECT_EQ(DecodeOneUtf8Character(utf8), expected) << "byte " << value;
        EXPECT_EQ(qs::Cp1252Table[value], expected) << "byte " << value;
    }
}

TEST(Cp1252ToUtf8, ThenUrlEncodeAsEncodeModeTwoDoes) {
    EXPECT_EQ(UrlEncode(Cp1252ToUtf8(Byte(0xE9))), "%C3%A9");
    EXPECT_EQ(UrlEncode(Cp1252ToUtf8(Byte(0x80))), "%E2%82%AC");
}

TEST(Cp1252ToUtf8, LongTextKeepsEveryCharacterInOrder) {
    std::string text;
    std::string expected;
    for (int round = 0; round < 1000; ++round) {
        for (unsigned value = 1; value < 256; ++value) {
            text += Byte(value);
            expected += Cp1252ToUtf8(Byte(value));
        }
    }
    EXPECT_EQ(Cp1252ToUtf8(text), expected);
}

// Long texts are encoded by blocks where the processor allows it; a block must give what its
// bytes give one at a time. Texts of every length around the block sizes, mostly letters and
// spaces with a few bytes that grow (accents, punctuation, the bytes 0x80-0x9F) anywhere.
TEST(QueryEncoding, LongTextsEncodeAsTheirBytesOneByOne) {
    std::uint32_t state = 7;
    const auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 16;
    };
    for (std::size_t length = 0; length < 700; length += 1 + length / 16) {
        for (int round = 0; round < 8; ++round) {
            std::string text;
            std::string urlExpected;
            std::string utf8Expected;
            const unsigned rareness = 2 + next() % 40;
            for (std::size_t i = 0; i < length; ++i) {
                const unsigned value = next() % rareness == 0 ? next() % 256 : "abc XYZ019-._"[next() % 13];
                text += Byte(value);
                urlExpected += UrlEncode(Byte(value));
                utf8Expected += Cp1252ToUtf8(Byte(value));
            }
            EXPECT_EQ(UrlEncode(text), urlExpected) << "length " << length << ", round " << round;
            EXPECT_EQ(Cp1252ToUtf8(text), utf8Expected) << "length " << length << ", round " << round;
        }
    }
}

struct InsertCase {
    std::string urlTemplate;
    std::string text;
    std::string expected;
};

TEST(InsertQuery, ReplacesOnlyTheFirstPlaceholder) {
    const InsertCase cases[] = {
        {"q=%1&x=%1", "ab", "q=ab&x=%1"},
        {"https://example.test/?q=", "ab", "https://example.test/?q="},
        {"q=%10", "ab", "q=ab0"},
        {"%1", "", ""},
        {"%1", "%1", "%1"},               // the inserted text is not searched again
        {"a%%1b", "X", "a%Xb"},
        {"%", "ab", "%"},
        {"", "ab", ""},
        {"q=%1", "\xE9 t", "q=\xE9 t"},  // bytes go in unchanged
    };
    for (const InsertCase& c : cases) {
        EXPECT_EQ(InsertQuery(c.urlTemplate, c.text), c.expected) << c.urlTemplate << " / " << c.text;
    }
}

}  // namespace
