#include <gtest/gtest.h>

#include "display/display_message_drawing.h"
#include "display/lcd.h"
#include "link/device_link.h"
#include "support/link_fixture.h"
#include "support/screen_art.h"

namespace {

class RendererTest : public LinkTest {
protected:
    void Show(const SimulatedDisplay& d) {
        const std::vector<uint8_t> bytes = Bytes(d);
        link.Feed(bytes.data(), static_cast<int32_t>(bytes.size()));
    }
};

TEST_F(RendererTest, ReceivingInVolumeModeWithTheSmallZeroMarkAndChannelLabels) {
    Show(ReceivingDisplay());
    EXPECT_TRUE(MatchesGolden(frame, "online_vol_receiving"));
}

TEST_F(RendererTest, Status21ShowsTheSquelchBarAndTheTxBannerWithTheTxLevel) {
    SimulatedDisplay d = ReceivingDisplay();
    d.adjustMode = 1;
    d.transmitting = true;
    d.squelchBar = 9;
    d.txLevel = 40;
    d.rxLevel = 5;
    d.activeFreq = 121500;
    d.activeChannel = 12;
    d.standbyFreq = 5000;  // two blanks before 5.00
    d.standbyChannel = 255;
    d.activeName = "AB";  // even length: one blank more in front
    d.activeType = "";
    d.standbyName = "  X   ";
    d.standbyType = "ABCDEF";
    Show(d);
    EXPECT_EQ(Bytes(d)[DisplayMessageHeaderSize], 0x21);
    EXPECT_TRUE(MatchesGolden(frame, "online_sql_transmitting"));
}

TEST_F(RendererTest, ModeLinesOfTuningAndChannelModes) {
    SimulatedDisplay d = ReceivingDisplay();
    d.adjustMode = 4;
    d.activeFreq = 136975;
    d.activeChannel = 99;
    Show(d);
    EXPECT_TRUE(MatchesGolden(frame, "online_channel_mode"));

    d.adjustMode = 2;
    Show(d);
    const std::string mhz = RowArt(frame, 7);
    d.adjustMode = 3;
    Show(d);
    const std::string khz = RowArt(frame, 7);
    // "MHZ" and "KHZ" stand at text column 10: they differ in pixel columns 80..87 only.
    int differing = 0;
    for (std::size_t line = 0; line < 8; ++line) {
        for (std::size_t x = 0; x < 104; ++x) {
            const bool same = mhz[line * 105 + x] == khz[line * 105 + x];
            if (x < 80 || x > 87) {
                EXPECT_TRUE(same) << line << "," << x;
            }
            differing += same ? 0 : 1;
        }
    }
    EXPECT_GT(differing, 0);
    EXPECT_NE(mhz.find('#'), std::string::npos);

    d.adjustMode = 5;  // no mode line at all
    Show(d);
    EXPECT_EQ(RowArt(frame, 7).find('#'), std::string::npos);
}

TEST_F(RendererTest, AChangeOfModeClearsTheWholeDisplayAndTheSameModeDoesNot) {
    SimulatedDisplay d = ReceivingDisplay();
    Show(d);
    const std::string header = RowArt(frame, 0);
    // Columns 48..52 of rows 3 to 5 are never drawn by a message.
    lcd.Plot(50, 30, true);
    d.rxLevel = 10;
    Show(d);
    EXPECT_TRUE(frame.On(50, 30));

    d.adjustMode = 1;
    Show(d);
    EXPECT_FALSE(frame.On(50, 30));
    EXPECT_EQ(RowArt(frame, 0), header);  // the header is drawn after the clear, not wiped by it
    lcd.Plot(50, 30, true);
    Show(d);
    EXPECT_TRUE(frame.On(50, 30));  // the new mode is the one drawn last
}

// Parts of a message that did not change are not drawn again, unless
// something drew over them since.
TEST_F(RendererTest, TheSameMessageRestoresWhatWasDrawnOverIt) {
    const SimulatedDisplay d = ReceivingDisplay();
    Show(d);
    const LcdFrame shown = frame;
    for (int x = 0; x < 104; x += 4) lcd.Plot(x, 12, !frame.On(x, 12));  // over both frequencies
    lcd.Plot(1, 60, !frame.On(1, 60));                                   // and the mode line
    Show(d);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 104; ++x) ASSERT_EQ(frame.On(x, y), shown.On(x, y)) << x << "," << y;
}

}  // namespace
