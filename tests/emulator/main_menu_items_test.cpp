#include <gtest/gtest.h>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator_test_support.h"
#include "menu_test_support.h"
#include "support/screen_art.h"

namespace {

constexpr std::size_t kContrastByte = 16;
constexpr std::size_t kScanAtPowerUpByte = 20;

// Whether an edited value is blank just before `tick`: BlinkPhase is set by
// the ticks 25(2j + 1) and cleared by the ticks 25(2j + 2).
constexpr bool BlankBefore(uint32_t tick) { return ((tick - 1) / 25) % 2 == 1; }

class MenuItemsTest : public ::testing::Test {
protected:
    ScriptedHost host;
    MenuScript script{host};

    void ExpectCells(int column, int row, const std::string& expected, std::size_t length, bool big) {
        EXPECT_TRUE(SameArt(CellsArt(host.Frame(), column, row, length, big), expected));
    }
    // Waits for the next tick of the given blink phase.
    void WaitForBlank(bool blank) {
        while (BlankBefore(script.Now()) != blank) script.Wait(1);
    }
    void ExpectGolden(const char* name) {
        script.Then([this, name] { EXPECT_TRUE(MatchesGolden(host.Frame(), name)); });
    }
};

TEST_F(MenuItemsTest, NoiseLevelsStayInTheRangeOfTheModeAndVogadCapsThemAt6) {
    PrepareSettings(host, [&](EepromSettingsRecord& e) {
        e.NoiseMode = 1;
        e.NoiseLevel = 8;
    });
    const std::string off = TextArt("OFF", true);
    script.OpenOnItem(0);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitUp, 3);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.NoiseLevel, 10); });
    script.Tap(KeyBitActive);  // TYPE: VOX delayed keeps the level
    script.Then([&] { EXPECT_EQ(host.fw.Settings.NoiseLevel, 10); });
    script.Tap(KeyBitActive);  // VOGAD
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.NoiseMode, 0);
        EXPECT_EQ(host.fw.Settings.NoiseLevel, 6);
        host.fw.State.SaveCountdown = 0;
    });
    script.Tap(KeyBitUp);  // at the top: no change, yet marked changed
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.NoiseLevel, 6);
        EXPECT_EQ(host.fw.State.SaveCountdown, 10);
    });
    script.Tap(KeyBitDown, 7);
    script.Tap(KeyBitActive);  // VOX standard
    WaitForBlank(false);
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.NoiseLevel, 0);
        ExpectCells(7, 3, off, 3, true);
    });
    script.Finish();
}

TEST_F(MenuItemsTest, ContrastStopsAt20And63AndIsSavedOnlyWithAnotherChange) {
    script.OpenOnItem(2);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitDown, 17);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.Contrast, 20); });
    script.Tap(KeyBitUp, 44);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.Contrast, 63); });
    script.Tap(KeyBitMenu, 2);
    script.Wait(400);
    script.Then([&] {
        EXPECT_EQ(host.fw.State.SaveCountdown, 0);
        EXPECT_EQ(SettingsFileBytes(host).at(kContrastByte), 36);
    });
    script.Tap(KeyBitMenu);  // opens on the contrast again
    script.Tap(KeyBitDown, 4);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitUp);  // scanning at power-up
    script.Tap(KeyBitMenu, 2);
    script.Wait(300);  // 10 passes of 500 ms
    script.Finish();
    EXPECT_EQ(SettingsFileBytes(host).at(kContrastByte), 63);
    EXPECT_EQ(SettingsFileBytes(host).at(kScanAtPowerUpByte), 1);
}

TEST_F(MenuItemsTest, MicLevelStepsFrom0To3AndSetsTheMicrophoneRegisters) {
    const std::string zero = TextArt("0dB ", true);
    script.OpenOnItem(3);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitUp);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.MicLevel, 3); });
    script.Tap(KeyBitDown, 2);
    script.Then([&] { EXPECT_EQ(host.fw.Hardware.Registers[RegisterMicLevel1], 14); });
    script.Tap(KeyBitDown, 2);
    WaitForBlank(false);
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.MicLevel, 0);
        EXPECT_EQ(host.fw.Hardware.Registers[RegisterMicLevel2], 20);
        ExpectCells(6, 2, zero, 4, true);
    });
    script.Finish();
}

TEST_F(MenuItemsTest, AuxOpenLevelSteppedToOffPushesTheMuteLevelAlongAndNeverBelowIt) {
    const std::string zeroDb = TextArt("0dB  ", false);
    const std::string off = TextArt("Off  ", false);
    script.OpenOnItem(4);
    script.Then([&] {
        ExpectCells(6, 2, zeroDb, 5, false);  // the defaults, 15 and 15
        ExpectCells(6, 4, zeroDb, 5, false);
        EXPECT_TRUE(host.fw.State.OutputLatch & LatchAuxPath);
    });
    script.Tap(KeyBitActive);
    script.Tap(KeyBitDown, 17);
    WaitForBlank(false);
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.AuxOpenLevel, 31);
        EXPECT_EQ(host.fw.Settings.AuxMuteLevel, 31);
        ExpectCells(6, 2, off, 5, false);
        ExpectCells(6, 4, off, 5, false);
        EXPECT_FALSE(host.fw.State.OutputLatch & LatchAuxPath);  // evaluated afresh
        EXPECT_EQ(host.fw.Hardware.Registers[RegisterAuxLevel], 31);
    });
    script.Tap(KeyBitUp, 2);
    script.Then([&] { EXPECT_TRUE(host.fw.State.OutputLatch & LatchAuxPath); });
    script.Tap(KeyBitActive);  // EDIT: the mute level
    script.Tap(KeyBitUp, 3);
    script.Finish();
    EXPECT_EQ(host.fw.Settings.AuxOpenLevel, 29);
    EXPECT_EQ(host.fw.Settings.AuxMuteLevel, 29);
}

TEST_F(MenuItemsTest, EitherChoiceOfScanningAtPowerUpStopsRunningScanning) {
    script.OpenOnItem(6);
    script.Tap(KeyBitActive);
    for (uint8_t key : {KeyBitUp, KeyBitDown}) {
        script.Then([&] { host.fw.State.ScanOn = true; });
        script.Tap(key);
        script.Then([&, key] {
            EXPECT_FALSE(host.fw.State.ScanOn);
            EXPECT_EQ(host.fw.Settings.ScanAtPowerUp, key == KeyBitUp ? 1 : 0);
        });
    }
    script.Finish();
}

// A signal on the standby frequency parks the scan there. Stopping it inside
// the menus, by the Scanning Power-up item or by a long ACTIVE press, puts
// the receiver back on the active frequency.
TEST_F(MenuItemsTest, StoppingScanningInsideTheMenusRetunesTheReceiver) {
    host.standbySlider = 0;
    const auto parkScan = [&, this] {
        script.Then([&] { host.fw.State.ScanOn = true; });
        script.Wait(20);
        script.Then([&] { EXPECT_EQ(host.fw.State.TunedFreq, host.fw.Settings.StandbyFreq); });
    };
    const auto expectRetuned = [&, this] {
        script.Then([&] {
            EXPECT_FALSE(host.fw.State.ScanOn);
            EXPECT_EQ(host.fw.State.TunedFreq, host.fw.Settings.ActiveFreq);
        });
    };
    parkScan();
    script.OpenOnItem(6);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitDown);
    expectRetuned();
    script.Tap(KeyBitMenu);
    parkScan();
    script.Hold(KeyBitActive, 40);
    expectRetuned();
    script.Finish();
}

TEST_F(MenuItemsTest, GoldenItemsBrowsedAndEdited) {
    script.OpenOnItem(0);
    ExpectGolden("menu_noise");
    script.Tap(KeyBitDown, 3);
    ExpectGolden("menu_mic_level");  // with the empty meter
    script.Tap(KeyBitDown);
    script.Tap(KeyBitActive);
    WaitForBlank(true);
    ExpectGolden("menu_aux_edit_blank");  // the open level blinks
    script.Tap(KeyBitMenu);
    script.Tap(KeyBitDown, 3);
    script.Tap(KeyBitActive);
    WaitForBlank(false);
    ExpectGolden("menu_ptt_mode_edit");
    script.Finish();
}

}  // namespace
