// The integer form of configuration values: every accepted form, and text that is no integer.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "config/IniInteger.h"

namespace {

struct IntegerCase {
    std::string text;
    std::int32_t value;
};

TEST(IniInteger, ReadsEveryAcceptedForm) {
    const IntegerCase cases[] = {
        {"0", 0},
        {"7", 7},
        {"010", 10},  // a leading zero is no octal
        {"+5", 5},
        {"-5", -5},
        {"-0", 0},
        {"   42", 42},
        {"  -42", -42},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"+2147483647", 2147483647},
        {"0000000000002147483647", 2147483647},
        {"$2", 2},
        {"x2", 2},
        {"X2", 2},
        {"0x2", 2},
        {"0X2", 2},
        {"$ff", 255},
        {"$Ff", 255},
        {"0xaBcD", 0xABCD},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"0xFFFFFFFE", -2},
        {"$000000000001", 1},  // leading zeros are not significant
        {"0x0000000000FFFFFFFF", -1},
        {"-$1", -1},
        {"-0x10", -16},
        {"-$FFFFFFFF", 1},
        {"-$80000000", INT32_MIN},  // the pattern negated wraps as 32-bit arithmetic does
        {"+$10", 16},
        {"  -x1F", -31},
    };
    for (const IntegerCase& c : cases) {
        EXPECT_EQ(qs::ParseIniInteger(c.text), std::optional<std::int32_t>(c.value)) << '"' << c.text << '"';
    }
}

TEST(IniInteger, RefusesTextThatIsNoInteger) {
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"", "empty"},
        {"   ", "spaces only"},
        {"-", "sign only"},
        {"+", "sign only"},
        {"$", "hex prefix without digits"},
        {"0x", "hex prefix without digits"},
        {"x", "hex prefix without digits"},
        {"-$", "hex prefix without digits"},
        {"2a", "text after the digits"},
        {"two", "a word"},
        {"true", "a word"},
        {"5 ", "a space after the digits"},
        {"\t5", "a tab is no space"},
        {"\n5", "a line feed is no space"},
        {"\xA0" "5", "a no-break space is no space"},
        {"- 5", "space between sign and digits"},
        {"--5", "two signs"},
        {"+-5", "two signs"},
        {"$-5", "sign after the prefix"},
        {"2147483648", "above the range"},
        {"-2147483649", "below the range"},
        {"99999999999999999999", "far above the range"},
        {"$100000000", "nine significant hex digits"},
        {"0x1FFFFFFFF", "nine significant hex digits"},
        {"$FG", "not a hex digit"},
        {"0x 1", "space inside"},
        {"00x1", "hex prefix after a zero"},
        {"0$1", "hex prefix after a zero"},
        {"1e3", "exponent"},
        {"1.0", "decimal point"},
        {"1,000", "group separator"},
        {std::string("1\0" "2", 3), "a zero byte inside"},
        {"０", "a digit of another script"},
    };
    for (const auto& c : cases) EXPECT_EQ(qs::ParseIniInteger(c.text), std::nullopt) << c.reason << ": \"" << c.text << '"';
}

// Every decimal near both ends of the range, against 64-bit arithmetic.
TEST(IniInteger, DecimalEdgesOfTheRange) {
    for (std::int64_t value : {std::int64_t{INT32_MAX} - 2, std::int64_t{INT32_MAX} + 2, std::int64_t{INT32_MIN} - 2,
                               std::int64_t{INT32_MIN} + 2, std::int64_t{4294967295}, std::int64_t{4294967296}}) {
        for (std::int64_t v = value - 2; v <= value + 2; ++v) {
            const bool inRange = v >= INT32_MIN && v <= INT32_MAX;
            const auto parsed = qs::ParseIniInteger(std::to_string(v));
            if (inRange) {
                EXPECT_EQ(parsed, std::optional<std::int32_t>(static_cast<std::int32_t>(v))) << v;
            } else {
                EXPECT_EQ(parsed, std::nullopt) << v;
            }
        }
    }
}

// Every single byte after a digit makes the text no integer, unless it is a digit itself.
TEST(IniInteger, AnyByteAfterTheDigitsIsRefused) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text = std::string("1") + static_cast<char>(byte);
        if (byte >= '0' && byte <= '9') {
            EXPECT_EQ(qs::ParseIniInteger(text), 10 + (byte - '0'));
        } else {
            EXPECT_EQ(qs::ParseIniInteger(text), std::nullopt) << "byte " << byte;
        }
    }
}

}  // namespace
