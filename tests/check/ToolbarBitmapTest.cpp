// Quickseek.bmp as the build draws it: a 16 x 16 bitmap of 24 bits per pixel that Windows
// reads, on the magenta that toolbars take as transparent.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/support/PluginFolder.h"

namespace {

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return value;
}

TEST(ToolbarBitmap, IsASmallUncompressed24BitBitmap) {
    const std::string bytes = qs_test::ReadFile(QS_BITMAP_FILE);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Read32(bytes, 2), bytes.size());
    const std::uint32_t pixels = Read32(bytes, 10);
    EXPECT_EQ(Read32(bytes, 14), 40u);  // BITMAPINFOHEADER
    const std::uint32_t width = Read32(bytes, 18), height = Read32(bytes, 22);
    EXPECT_EQ(width, 16u);
    EXPECT_EQ(height, 16u);  // positive: rows from the bottom up
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
    EXPECT_EQ(Read32(bytes, 30), 0u);  // BI_RGB
    ASSERT_EQ(bytes.size(), pixels + width * height * 3);
    // Three corners are background, magenta stored blue, green, red; the handle reaches the fourth.
    for (std::size_t corner : {std::size_t{0}, std::size_t{15 * 48}, std::size_t{15 * 48 + 15 * 3}})
        EXPECT_EQ(bytes.substr(pixels + corner, 3), std::string("\xFF\x00\xFF", 3)) << corner;
    // And something is drawn on it.
    std::size_t background = 0;
    for (std::size_t at = pixels; at < bytes.size(); at += 3) background += bytes.substr(at, 3) == std::string("\xFF\x00\xFF", 3);
    EXPECT_LT(background, 256u * 3 / 4);
}

}  // namespace
