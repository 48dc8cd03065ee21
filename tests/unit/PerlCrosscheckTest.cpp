// The selection filter against Perl's answers on generated patterns, in the subset of the
// pattern language where the two agree (see tests/crosscheck/generate.pl, which wrote them).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "search/SelectionFilter.h"
#include "tests/support/PluginFolder.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Unescape(const std::string& field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '%' && i + 2 < field.size() && HexValue(field[i + 1]) >= 0 && HexValue(field[i + 2]) >= 0) {
            bytes += static_cast<char>(HexValue(field[i + 1]) * 16 + HexValue(field[i + 2]));
            i += 2;
        } else {
            bytes += field[i];
        }
    }
    return bytes;
}

TEST(PerlCrosscheck, SameAnswersAsPerl) {
    std::istringstream file(qs_test::ReadFile(qs_test::SourceFile("tests/data/patterns/perl-crosscheck.txt")));
    std::string line;
    int cases = 0;
    int matching = 0;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        ASSERT_NE(second, std::string::npos) << "line " << number;
        const bool expected = line.substr(0, first) == "1";
        const std::string pattern = Unescape(line.substr(first + 1, second - first - 1));
        const std::string text = Unescape(line.substr(second + 1));
        EXPECT_EQ(qs::SelectionMatches(pattern, text), expected)
            << "line " << number << ": pattern \"" << pattern << "\" on \"" << text << '"';
        ++cases;
        matching += expected;
    }
    EXPECT_GE(cases, 300);
    EXPECT_GT(matching, cases / 5) << "too few matching cases to tell anything";
}

}  // namespace
