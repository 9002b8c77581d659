#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator_test_support.h"
#include "freqdb/freq_database.h"
#include "menu_test_support.h"
#include "support/screen_art.h"

namespace {

class MainScreenKeysTest : public ::testing::Test {
protected:
    ScriptedHost host;

    void StartWith(int32_t activeKHz, int32_t standbyKHz) {
        PrepareSettings(host, [=](EepromSettingsRecord& e) {
            e.ActiveFreq = activeKHz;
            e.StandbyFreq = standbyKHz;
        });
    }
    // Taps MHz/KHz/CH `times` from tick 150 on, 10 ticks apart.
    void EnterTuningMode(int times) {
        for (int i = 0; i < times; ++i) host.TapKey(KeyBitMhzKhzCh, 150 + 10 * i);
    }
    void Taps(uint8_t keyBit, uint32_t fromTick, int count) {
        for (int i = 0; i < count; ++i) host.TapKey(keyBit, fromTick + 10 * i);
    }
    int32_t Standby() const { return host.fw.Settings.StandbyFreq; }
};

TEST_F(MainScreenKeysTest, MhzTuningStopsAtTheBandEndsAndKeepsTheKhzPart) {
    StartWith(123450, 136500);
    EnterTuningMode(1);
    Taps(KeyBitUp, 200, 1);
    Taps(KeyBitDown, 220, 29);
    host.At(211, [&] { EXPECT_EQ(Standby(), 136500); });
    host.RunUntilTick(600);
    EXPECT_EQ(Standby(), 108500);
    EXPECT_EQ(host.fw.Settings.ActiveFreq, 123450);
}

TEST_F(MainScreenKeysTest, KhzTuningWrapsInsideTheMhzOnTheStepGrid) {
    StartWith(123450, 121475);
    EnterTuningMode(2);
    Taps(KeyBitUp, 200, 1);
    host.At(205, [&] { EXPECT_EQ(Standby(), 121500); });
    Taps(KeyBitDown, 210, 3);  // 450, 400, ... back to 121.400 after two
    host.At(225, [&] { EXPECT_EQ(Standby(), 121400); });
    host.At(240, [&] { host.fw.Settings.StandbyFreq = 121000; });
    Taps(KeyBitDown, 250, 1);
    host.At(255, [&] { EXPECT_EQ(Standby(), 121950); });
    Taps(KeyBitUp, 260, 1);
    host.At(265, [&] { EXPECT_EQ(Standby(), 121000); });
    host.At(270, [&] { host.fw.Settings.StandbyFreq = 150475; });  // out of band, as a settings file may hold
    Taps(KeyBitUp, 280, 1);
    host.RunUntilTick(300);
    EXPECT_EQ(Standby(), 136500) << "kHz steps bring the MHz part into the band too";
}

TEST_F(MainScreenKeysTest, With25kHzStepsTheKhzPartWrapsAt975) {
    StartWith(123450, 121975);
    host.HoldKey(KeyBitMhzKhzCh, 150, 40);  // long press: 25 kHz steps, kHz tuning
    Taps(KeyBitUp, 200, 1);
    host.At(205, [&] { EXPECT_EQ(Standby(), 121000); });
    Taps(KeyBitDown, 210, 1);
    host.RunUntilTick(250);
    EXPECT_EQ(Standby(), 121975);
    EXPECT_EQ(host.fw.State.AdjustMode, AdjustKhz);
}

TEST_F(MainScreenKeysTest, ChannelsWrapAndNeverEditedOnesGive118MHzBlank) {
    StartWith(123450, 126000);
    host.db.Table[99].FreqKHz = 131725;
    host.db.Table[99].SetName("GROUND");
    host.db.Table[99].SetType("TWR");  // 3 characters: never made by the editor
    EnterTuningMode(3);
    Taps(KeyBitDown, 200, 1);
    host.At(205, [&] {
        EXPECT_EQ(host.fw.Settings.ChannelIndex, 99);
        EXPECT_EQ(Standby(), 131725);
        EXPECT_EQ(host.fw.State.StandbyName, "GROUND");
        EXPECT_EQ(host.fw.State.StandbyType, "      ");
        EXPECT_EQ(host.fw.State.StandbyChannelText, "CH 100");
    });
    Taps(KeyBitUp, 210, 2);
    host.RunUntilTick(250);
    EXPECT_EQ(host.fw.Settings.ChannelIndex, 1);
    EXPECT_EQ(Standby(), 118000);
    EXPECT_EQ(host.fw.State.StandbyName, "      ");
    EXPECT_EQ(host.fw.Settings.ChannelSelected, 1);
    EXPECT_TRUE(host.fw.State.ChannelMode);
}

// After a flip each side shows the labels of its own frequency: the chosen
// channel's on the active side, none on the standby side for a frequency no
// channel holds.
TEST_F(MainScreenKeysTest, AFlippedChannelKeepsItsLabelsOnTheActiveSideOnly) {
    StartWith(123450, 126000);
    host.db.Table[1].FreqKHz = 121500;
    host.db.Table[1].SetName("TOWER ");
    host.db.Table[1].SetType("TWR   ");
    const std::string noChannel = TextArt(" CH-- ", false);
    EnterTuningMode(3);
    Taps(KeyBitUp, 200, 1);  // channel 2
    host.TapKey(KeyBitActive, 220);
    host.At(230, [&] {
        EXPECT_EQ(host.fw.State.ActiveName, "TOWER ");
        EXPECT_EQ(host.fw.State.ActiveChannelText, "CH 2");
        EXPECT_EQ(host.fw.State.StandbyName, "      ");
        EXPECT_EQ(RegionArt(host.Frame(), 56, 40, 48, 8), noChannel);
    });
    host.RunUntilTick(240);
}

TEST_F(MainScreenKeysTest, TuningModesCycleAndEndTwentyPassesAfterTheKeyWasLastPressed) {
    EnterTuningMode(4);  // MHz, kHz, channel, MHz
    host.At(185, [&] { EXPECT_EQ(host.fw.State.AdjustMode, AdjustMhz); });
    Taps(KeyBitUp, 300, 10);  // tuning does not extend the time-out
    host.At(180 + 19 * 25, [&] { EXPECT_EQ(host.fw.State.AdjustMode, AdjustMhz); });
    host.RunUntilTick(180 + 21 * 25);
    EXPECT_EQ(host.fw.State.AdjustMode, AdjustVolume);
}

TEST_F(MainScreenKeysTest, SquelchAdjustmentSetsTheSettingInvertedAndTimesOut) {
    host.TapKey(KeyBitVolSq, 150);
    Taps(KeyBitUp, 160, 3);
    Taps(KeyBitDown, 200, 1);
    host.At(205, [&] {
        EXPECT_EQ(host.fw.State.AdjustMode, AdjustSquelch);
        EXPECT_EQ(host.fw.Settings.SquelchSetting, 8);
    });
    host.At(200 + 19 * 25, [&] { EXPECT_EQ(host.fw.State.AdjustMode, AdjustSquelch); });
    host.RunUntilTick(200 + 22 * 25);
    EXPECT_EQ(host.fw.State.AdjustMode, AdjustVolume);
}

TEST_F(MainScreenKeysTest, FlipSwapsTheFrequenciesAndIsSavedAboutFiveSecondsLater) {
    const std::string path = host.fw.SettingsPath;
    auto savedActive = [&] {
        std::ifstream in(path, std::ios::binary);
        std::vector<uint8_t> b(std::istreambuf_iterator<char>(in), {});
        return b[8] | b[9] << 8 | b[10] << 16;
    };
    host.TapKey(KeyBitActive, 200);
    host.At(201, [&] {
        EXPECT_EQ(host.fw.Settings.ActiveFreq, 126000);
        EXPECT_EQ(host.fw.State.TunedFreq, 126000);
        EXPECT_EQ(host.fw.State.SaveCountdown, 9);  // the flip ends the pass at once
    });
    host.At(400, [&] { EXPECT_EQ(savedActive(), 123450); });
    host.At(451, [&] { EXPECT_EQ(savedActive(), 126000); });
    host.RunUntilTick(460);
}

TEST_F(MainScreenKeysTest, DirectSelectionHearsTuningAtOnceFlipFlopOnlyAfterAFlip) {
    EnterTuningMode(2);
    Taps(KeyBitUp, 200, 1);
    host.At(205, [&] { EXPECT_EQ(host.fw.State.TunedFreq, 123450); });
    host.At(210, [&] { host.fw.Settings.DirectSelect = 1; });
    Taps(KeyBitUp, 220, 1);
    host.RunUntilTick(230);
    EXPECT_EQ(host.fw.State.TunedFreq, 126100);
    EXPECT_EQ(host.fw.Hardware.SynthesizerKHz, 126100 + 45000);
}

TEST_F(MainScreenKeysTest, AFlipOutOfTuningLeavesNoStaleLabelOnTheVolumeLine) {
    std::string volumeLine;
    host.At(150, [&] { volumeLine = RowArt(host.Frame(), 7); });
    EnterTuningMode(1);
    host.TapKey(KeyBitActive, 200);
    host.At(202, [&] {
        EXPECT_EQ(host.fw.State.AdjustMode, AdjustVolume);
        EXPECT_EQ(RowArt(host.Frame(), 7), volumeLine);
    });
    host.RunUntilTick(210);
}

}  // namespace
