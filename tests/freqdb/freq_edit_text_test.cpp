#include <gtest/gtest.h>

#include "freqdb/freq_edit_text.h"
#include "support/freq_record.h"

TEST(FreqListLine, ShowsChannelNumberFrequencyAndTextsAsStored) {
    EXPECT_EQ(FreqListLine(0, MakeRecord(118000, "", "")), "1 - 118.000, , ");
    EXPECT_EQ(FreqListLine(1, MakeRecord(123450, "TOWER ", "ATC   ")), "2 - 123.450, TOWER , ATC   ");
    EXPECT_EQ(FreqListLine(99, MakeRecord(136975, "ABCDEF", "x")), "100 - 136.975, ABCDEF, x");
}

TEST(FreqListLine, KilohertzPartKeepsItsLeadingZeros) {
    EXPECT_EQ(FreqMhzText(118025), "118.025");
    EXPECT_EQ(FreqMhzText(118005), "118.005");
    EXPECT_EQ(FreqMhzText(5), "0.005");
    EXPECT_EQ(FreqMhzText(1234567), "1234.567");
}

TEST(FreqListLine, NegativeFrequencyHasOneSign) {
    EXPECT_EQ(FreqMhzText(-12345), "-12.345");
    EXPECT_EQ(FreqMhzText(-5), "-0.005");
    EXPECT_EQ(FreqMhzText(INT32_MIN), "-2147483.648");
}

TEST(FreqEditText, NameAndTypeArePaddedAndCutToSix) {
    EXPECT_EQ(FixedSixText("AB"), "AB    ");
    EXPECT_EQ(FixedSixText(""), "      ");
    EXPECT_EQ(FixedSixText("ABCDEFGH"), "ABCDEF");
}

TEST(FreqFieldText, FrequencyFillsTheSixPositionsAroundThePoint) {
    EXPECT_EQ(FreqFieldText(118000), "118.000");
    EXPECT_EQ(FreqFieldText(999999), "999.999");
    EXPECT_EQ(FreqFieldText(12345), " 12.345");
    EXPECT_EQ(FreqFieldText(5), "  0.005");
    EXPECT_EQ(FreqFieldText(-99999), "-99.999");
    EXPECT_EQ(FreqFieldText(1000000), "   .   ");
    EXPECT_EQ(FreqFieldText(-100000), "   .   ");
}

// Only a complete frequency inside the band is read; anything else is nothing.
TEST(FreqFieldText, OnlyCompleteFrequenciesInTheBandAreRead) {
    for (int32_t kHz : {108000, 118000, 121505, 136975}) EXPECT_EQ(FreqFromFieldText(FreqFieldText(kHz)), kHz) << kHz;
    for (const char* text : {"   .   ", "121.5  ", "1 3.450", "107.999", "136.976", "999.999", " 12.345", "+18.000",
                             "-99.999", "12\xB2.000", "121500", "", "99999999999.000"})
        EXPECT_EQ(FreqFromFieldText(text), std::nullopt) << text;
}
