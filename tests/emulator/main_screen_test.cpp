#include <gtest/gtest.h>

#include "display/row_images.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator_test_support.h"
#include "freqdb/freq_database.h"
#include "support/scratch_display.h"
#include "support/screen_art.h"

namespace {

// BlinkPhase is set during the passes that end on ticks 125, 175, 225, ...
// and clear during those ending on 150, 200, ...
constexpr uint32_t kBlinkOn = 176;
constexpr uint32_t kBlinkOff = 151;

class MainScreenTest : public ::testing::Test {
protected:
    ScriptedHost host;

    void ExpectGoldenAt(uint32_t tick, const char* name) {
        host.At(tick, [this, name] { EXPECT_TRUE(MatchesGolden(host.Frame(), name)); });
        host.RunUntilTick(tick + 1);
    }
};

TEST_F(MainScreenTest, Defaults) { ExpectGoldenAt(kBlinkOn, "main_defaults"); }

// The main screen draws a part again only when it changed: the menu drawn
// over it and left again must not leave any of the menu behind.
TEST_F(MainScreenTest, TheMenuLeftAgainGivesTheWholeMainScreenBack) {
    std::string before;
    host.At(kBlinkOff, [&] { before = ScreenArt(host.Frame()); });
    host.TapKey(KeyBitMenu, kBlinkOff + 5);
    host.At(kBlinkOff + 20, [&] { EXPECT_TRUE(host.fw.State.MenuActive); });
    host.TapKey(KeyBitMenu, kBlinkOff + 30);
    host.At(kBlinkOff + 100, [&] {
        EXPECT_FALSE(host.fw.State.MenuActive);
        EXPECT_TRUE(SameArt(ScreenArt(host.Frame()), before));
    });
    host.RunUntilTick(kBlinkOff + 101);
}

TEST_F(MainScreenTest, TwentyFiveKhzStepsShowTheThirdDecimalSmall) {
    PrepareSettings(host, [&](EepromSettingsRecord& e) {
        e.ActiveFreq = 121975;
        e.StandbyFreq = 118025;
    });
    host.At(130, [&] { host.fw.State.Step25 = true; });
    ExpectGoldenAt(kBlinkOff, "main_step25");
}

TEST_F(MainScreenTest, ScanMarkBlinksBetweenTheHeaderWords) {
    ScratchDisplay plain;
    plain.lcd.DrawPageRow(HeaderBarImage);
    const std::string header = RowArt(plain.frame, 0);
    PrepareSettings(host, [&](EepromSettingsRecord& e) { e.ScanAtPowerUp = 1; });
    host.At(kBlinkOff, [&] { EXPECT_EQ(RowArt(host.Frame(), 0), header); });
    ExpectGoldenAt(kBlinkOn, "main_scan_mark");
}

TEST_F(MainScreenTest, AFoundChannelShowsItsNameTypeAndNumber) {
    host.db.Table[4].FreqKHz = 123450;
    host.db.Table[4].SetName("TOWER ");
    host.db.Table[4].SetType("  ATIS");
    host.db.Table[4 + 1].FreqKHz = 126000;
    host.db.Table[4 + 1].SetName("APP");
    ExpectGoldenAt(kBlinkOff, "main_found_channel");
}

TEST_F(MainScreenTest, DirectSelectionShowsTheFrequencyInUseUnderActive) {
    PrepareSettings(host, [&](EepromSettingsRecord& e) { e.DirectSelect = 1; });
    ExpectGoldenAt(kBlinkOff, "main_direct_selection");
}

TEST_F(MainScreenTest, StandbyOnlyKeepsTheRxBannerWhileTransmitting) {
    PrepareSettings(host, [&](EepromSettingsRecord& e) { e.DualMode = 2; });
    host.HoldPtt(140, 100);
    host.At(kBlinkOff, [&] { EXPECT_TRUE(host.fw.State.Transmitting); });
    ExpectGoldenAt(kBlinkOff, "main_standby_only_ptt");
}

TEST_F(MainScreenTest, TheLevelBarFollowsTheSliderOfTheTunedFrequency) {
    ScratchDisplay reference;
    reference.lcd.GotoText(0, 6);
    reference.lcd.DrawPageRow(RxBannerImage);
    auto expectedBar = [&](uint16_t value) {
        reference.lcd.GotoText(3, 6);
        reference.lcd.DrawLevelBar(value);
        return RowArt(reference.frame, 6);
    };
    const std::string empty = expectedBar(0), half = expectedBar(30), full = expectedBar(64);
    host.SetActiveSlider(281, 150);  // level 270: bar 30
    host.At(152, [&] { EXPECT_EQ(RowArt(host.Frame(), 6), half); });
    host.SetActiveSlider(0, 153);
    host.At(155, [&] { EXPECT_EQ(RowArt(host.Frame(), 6), full); });
    host.SetStandbySlider(0, 156);  // not the frequency being received
    host.SetActiveSlider(371, 156);
    host.At(158, [&] { EXPECT_EQ(RowArt(host.Frame(), 6), empty); });
    host.RunUntilTick(160);
}

}  // namespace
