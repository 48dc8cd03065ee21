// Comparison ignoring letter case, as the shortcut text uses it: ASCII and the Windows-1252
// letters fold, nothing else is ignored.
#include <gtest/gtest.h>

#include "platform/TextCompare.h"

TEST(TextCompare, EqualIgnoringCaseFoldsLettersOnly) {
    const struct {
        const char* left;
        const char* right;
        bool equal;
    } cases[] = {
        {"F10", "f10", true},
        {"Num 9", "NUM 9", true},
        {"", "", true},
        {"\xE9", "\xC9", true},  // é É
        {"\x9A", "\x8A", true},  // š Š
        {"\xFF", "\x9F", true},  // ÿ Ÿ
        {"\xE6", "\xC6", true},  // æ Æ
        {"abc", "abd", false},
        {"ab", "abc", false},
        {"abc", "ab", false},
        {"", "a", false},
        {"Num 9", "Num9", false},
        {"\xE0", "a", false},  // à is not a
        {"[", "{", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qs::EqualIgnoringCase(c.left, c.right), c.equal) << '"' << c.left << "\" \"" << c.right << '"';
}
