#include <gtest/gtest.h>

#include "display/pixel_art.h"

namespace {

// A diagonal from the top left pixel down through two bands, and a full
// bottom row.
constexpr auto kArt = PixelArt<3>({
    "#..",
    ".#.",
    "..#",
    "...",
    "...",
    "...",
    "...",
    "...",
    "...",
    "...",
    "...",
    "...",
    "...",
    "...",
    "...",
    "###",
});

TEST(PixelArtTest, EachBandIsOneByteAColumnWithBit0AtTheTop) {
    static_assert(kArt.size() == 6);
    EXPECT_EQ(kArt[0], 0x01);
    EXPECT_EQ(kArt[1], 0x02);
    EXPECT_EQ(kArt[2], 0x04);
    EXPECT_EQ(kArt[3], 0x80);  // second band, left column
    EXPECT_EQ(kArt[4], 0x80);
    EXPECT_EQ(kArt[5], 0x80);
}

}  // namespace
