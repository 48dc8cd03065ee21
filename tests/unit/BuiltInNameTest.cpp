// The scrambled built-in display name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "identity/BuiltInName.h"

namespace {

qs::TScrambledName Scrambled(std::uint8_t lengthByte, const std::string& characters) {
    qs::TScrambledName constant{};
    constant[0] = lengthByte;
    for (std::size_t i = 0; i < characters.size() && i < 29; ++i)
        constant[i + 1] = static_cast<std::uint8_t>(characters[i] ^ 0x64);
    return constant;
}

}  // namespace

TEST(BuiltInName, UnscramblesToQuickseek) {
    EXPECT_EQ(qs::UnscrambleName(qs::BuiltInName), "Quickseek");
}

TEST(BuiltInName, IsThirtyBytesWithAPlainLengthAndNoPlainName) {
    static_assert(sizeof(qs::BuiltInName) == 30, "a length byte and 29 positions");
    EXPECT_LE(qs::BuiltInName[0], 29);
    const std::string stored(qs::BuiltInName.begin(), qs::BuiltInName.end());
    EXPECT_EQ(stored.find("Quickseek"), std::string::npos);
    EXPECT_EQ(stored.find("uickseek"), std::string::npos);
}

TEST(BuiltInName, ReadsExactlyTheLengthBytesCharacters) {
    const std::string full(29, 'N');
    struct Case {
        std::uint8_t lengthByte;
        std::string stored;
        std::string expected;
    };
    const Case cases[] = {
        {0, "ignored", ""},
        {3, "abcdef", "abc"},
        {29, full, full},
        // A byte above 0x7F after unscrambling: é in Windows-1252.
        {4, "Caf\xE9", "Caf\xE9"},
    };
    for (const Case& c : cases) EXPECT_EQ(qs::UnscrambleName(Scrambled(c.lengthByte, c.stored)), c.expected)
        << int{c.lengthByte};
}

TEST(BuiltInName, ALengthAboveTheCapacityReadsNoFurtherThanTheConstant) {
    for (int lengthByte : {30, 31, 200, 255}) {
        const std::string name =
            qs::UnscrambleName(Scrambled(static_cast<std::uint8_t>(lengthByte), std::string(29, 'z')));
        EXPECT_EQ(name, std::string(29, 'z')) << lengthByte;
    }
}
