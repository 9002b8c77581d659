#include <gtest/gtest.h>

#include "display/display_text.h"

TEST(DisplayText, Pad5RightAlignsUnsigned16) {
    EXPECT_EQ(pad5(0), "    0");
    EXPECT_EQ(pad5(12345), "12345");
    EXPECT_EQ(pad5(65535), "65535");
}

TEST(DisplayText, Center6) {
    EXPECT_EQ(Center6("AB"), "  AB  ");
    EXPECT_EQ(Center6("ABC"), " ABC  ");
    EXPECT_EQ(Center6("CH 5"), " CH 5 ");
    EXPECT_EQ(Center6("CH 10"), "CH 10 ");
    EXPECT_EQ(Center6("CH 100"), "CH 100");
    EXPECT_EQ(Center6(""), "      ");
    EXPECT_EQ(Center6("      "), "      ");
    EXPECT_EQ(Center6(" TOWER "), "TOWER ");
    EXPECT_EQ(Center6("ABCDEFGH"), "ABCDEF");
    EXPECT_EQ(Center6(std::string_view("\tA", 2)), "  \tA  ");
}

TEST(DisplayText, FormatFreq6) {
    EXPECT_EQ(FormatFreq6(118000), "118.00");
    EXPECT_EQ(FormatFreq6(121500), "121.50");
    EXPECT_EQ(FormatFreq6(136975), "136.97");
    EXPECT_EQ(FormatFreq6(5000), "  5.00");
}
