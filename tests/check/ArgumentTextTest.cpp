// A selection given on the command line, as the plug-in gets it from a host: Windows-1252,
// with \xHH escapes.
#include <gtest/gtest.h>

#include "tools/cli/ArgumentText.h"

namespace {

using qs::cli::SelectionFromArgument;
using qs::cli::Utf8ToCp1252;

TEST(ArgumentText, EscapesGiveTheirByte) {
    const struct {
        const char* argument;
        std::string selection;
    } cases[] = {
        {"caf\\xE9 au lait", "caf\xE9 au lait"},
        {"\\x80\\x00x", std::string("\x80\0x", 3)},
        {"a\\\\xE9", "a\\xE9"},          // an escaped backslash is one backslash
        {"C:\\Windows", "C:\\Windows"},  // other backslashes stay
        {"\\xG1 \\x4", "\\xG1 \\x4"},    // no two hexadecimal digits: no escape
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_EQ(SelectionFromArgument(c.argument, &error), c.selection) << c.argument << " " << error;
    }
}

TEST(ArgumentText, Utf8BecomesWindows1252) {
    EXPECT_EQ(Utf8ToCp1252("caf\xC3\xA9 \xE2\x82\xAC \xC5\xA0", nullptr), "caf\xE9 \x80 \x8A");
    std::string error;
    EXPECT_FALSE(Utf8ToCp1252("\xE4\xB8\xAD", &error).has_value());  // no such character in the code page
    EXPECT_NE(error.find("U+4E2D"), std::string::npos) << error;
    EXPECT_FALSE(Utf8ToCp1252("\xC3", &error).has_value());
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80", &error).has_value());  // a surrogate is no character
}

}  // namespace
