// Letter case of single bytes as the system's ANSI code page gives it (Windows-1252 here and on
// a Western Windows).
#include <gtest/gtest.h>

#include <string>

#include "platform/CaseMapping.h"

namespace {

struct CasePair {
    unsigned char lower;
    unsigned char upper;
};

TEST(CaseMapping, MapsTheLettersOfWindows1252BothWays) {
    const CasePair pairs[] = {
        {'a', 'A'}, {'z', 'Z'}, {0xE9, 0xC9} /* é É */, {0xE0, 0xC0} /* à À */, {0xFE, 0xDE} /* þ Þ */,
        {0xFF, 0x9F} /* ÿ Ÿ */, {0x9A, 0x8A} /* š Š */, {0x9C, 0x8C} /* œ Œ */, {0x9E, 0x8E} /* ž Ž */,
    };
    for (const CasePair& pair : pairs) {
        EXPECT_EQ(qs::UpperByte(pair.lower), pair.upper) << int{pair.lower};
        EXPECT_EQ(qs::LowerByte(pair.upper), pair.lower) << int{pair.upper};
        EXPECT_EQ(qs::UpperByte(pair.upper), pair.upper) << int{pair.upper};
        EXPECT_EQ(qs::LowerByte(pair.lower), pair.lower) << int{pair.lower};
    }
}

TEST(CaseMapping, LeavesOtherBytesAlone) {
    const unsigned char others[] = {'0', '_', ' ', '@', '[', '`', '{', 0x00, 0x7F, 0x80,
                                    0xA0, 0xD7 /* × */, 0xF7 /* ÷ */, 0xDF /* ß */};
    for (const unsigned char byte : others) {
        EXPECT_EQ(qs::UpperByte(byte), byte) << int{byte};
        EXPECT_EQ(qs::LowerByte(byte), byte) << int{byte};
    }
}

TEST(CaseMapping, LowerInPlaceLowersEveryByte) {
    std::string text = "Quickseek \xC9T\xC9 \x8A\x9F 123";
    qs::LowerInPlace(text);
    EXPECT_EQ(text, "quickseek \xE9t\xE9 \x9A\xFF 123");
    std::string empty;
    qs::LowerInPlace(empty);
    EXPECT_EQ(empty, "");
}

}  // namespace
