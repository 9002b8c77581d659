#include <gtest/gtest.h>

#include <cerrno>

#include "common/atomic_file.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_run.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"
#include "emulator_test_support.h"
#include "help/help.h"
#include "menu_test_support.h"
#include "modes/operating_mode.h"
#include "support/screen_art.h"

namespace {

std::string GreenScreen() {
    std::string art;
    for (int y = 0; y < 64; ++y) art += std::string(104, '.') + "\n";
    return art;
}

class EmulatorRunTest : public ::testing::Test {
protected:
    ScriptedHost host;
};

TEST_F(EmulatorRunTest, ASplashOf2To25SecondsThenTheMainScreenWithTheDefaults) {
    host.At(124, [&] { EXPECT_TRUE(MatchesGolden(host.Frame(), "splash")); });
    host.At(126, [&] { EXPECT_TRUE(MatchesGolden(host.Frame(), "main_defaults")); });
    host.RunUntilTick(130);
    EXPECT_EQ(host.help.CurrentTopic(), 1);
    EXPECT_EQ(host.fw.Hardware.Registers[RegisterVolume], 31 - 20);
    EXPECT_EQ(host.fw.Hardware.Registers[RegisterMicLevel1], 0);
    EXPECT_EQ(host.fw.Hardware.Registers[RegisterAuxLevel], 15);
    EXPECT_EQ(host.fw.Hardware.SynthesizerKHz, 123450 + 45000);
    EXPECT_FALSE(host.fw.State.Step25);
    EXPECT_FALSE(host.fw.State.ScanOn);

    ScriptedHost late;  // the half-second count is one tick from its boundary
    late.fw.State.TickCounter = 24;
    late.At(101, [&] { EXPECT_TRUE(MatchesGolden(late.Frame(), "splash")); });
    late.At(102, [&] { EXPECT_TRUE(MatchesGolden(late.Frame(), "main_defaults")); });
    late.RunUntilTick(103);
}

TEST_F(EmulatorRunTest, StoppingAtAnyMomentEndsTheRunWithinOneTickAndClearsTheDisplay) {
    for (uint64_t stopAt : {1000u, 1234567u, 2500000u, 2500001u, 3333333u, 4010000u, 4015999u, 9876543u}) {
        ScriptedHost run;
        PrepareSettings(run,
                        [&](EepromSettingsRecord& e) { e.ScanAtPowerUp = 1; });  // retunes wait inside the poll step
        run.HoldKey(KeyBitUp, 190, 30);
        run.AtTime(stopAt, [&] { run.fw.StopRequest = true; });
        run.Run();
        EXPECT_LE(run.NowMicroseconds(), stopAt + ScriptedHost::TickMicroseconds) << stopAt;
        EXPECT_EQ(ScreenArt(run.Frame()), GreenScreen()) << stopAt;
    }
}

TEST_F(EmulatorRunTest, HelpTopicOneIsAskedForBeforeEveryPass) {
    host.At(140, [&] { host.help.ShowTopic(100); });
    host.At(149, [&] { EXPECT_EQ(host.help.CurrentTopic(), 100); });
    host.At(151, [&] { EXPECT_EQ(host.help.CurrentTopic(), 1); });
    host.RunUntilTick(160);
}

TEST_F(EmulatorRunTest, SettingsTheFirmwareCannotUseAreReplaced) {
    PrepareSettings(host, [&](EepromSettingsRecord& e) {
        e.DualMode = 7;
        e.ChannelIndex = 200;
    });
    for (int i = 0; i < 3; ++i) host.TapKey(KeyBitMhzKhzCh, 150 + 10 * i);  // channel tuning
    host.TapKey(KeyBitUp, 200);
    host.RunUntilTick(220);
    EXPECT_EQ(host.fw.Settings.DualMode, 0);
    EXPECT_EQ(host.fw.Settings.ChannelIndex, 1);
}

TEST_F(EmulatorRunTest, ASecondRunStartsAgainFromTheSplashWithTheSavedSettings) {
    host.TapKey(KeyBitDown, 150);
    host.RunUntilTick(500);
    host.fw.Settings.Volume = 5;
    const uint32_t start = host.Tick();
    host.At(start + 120, [&] { EXPECT_TRUE(MatchesGolden(host.Frame(), "splash")); });
    host.RunUntilTick(start + 140);
    EXPECT_EQ(host.fw.Settings.Volume, 19);
}

// A change less than 5 s before the run ends is written as the run ends, on
// the main screen and inside a menu alike.
TEST_F(EmulatorRunTest, AChangeNotYetSavedIsWrittenWhenTheRunEnds) {
    host.TapKey(KeyBitUp, 200);  // volume 21, two seconds before the stop
    host.RunUntilTick(300);
    EXPECT_EQ(SettingsFileBytes(host)[17], 21);

    ScriptedHost inMenu;
    MenuScript script(inMenu);
    script.OpenOnItem(5);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitUp);  // MIC filter on, still edited when the run ends
    script.Finish();
    EXPECT_EQ(SettingsFileBytes(inMenu)[31], 1);
}

// Found by the soak: a run stopped while transmitting left the transmitter
// keyed into the next run, whose main screen showed TX with no PTT held.
TEST_F(EmulatorRunTest, ARunStoppedWhileTransmittingEndsTheTransmission) {
    host.HoldPtt(200, 100);
    host.RunUntilTick(250);
    EXPECT_FALSE(host.fw.State.Transmitting);
    EXPECT_EQ(host.fw.Hardware.Outputs & PathTransmitEnable, 0u);
}

TEST_F(EmulatorRunTest, ASaveThatFailsIsReportedOnceAndTheEmulatorRunsOn) {
    host.At(140, [&] { host.fw.WriteSeams.fault = [](std::size_t) { return ENOSPC; }; });
    host.TapKey(KeyBitUp, 150);
    host.TapKey(KeyBitUp, 500);
    host.RunUntilTick(900);
    EXPECT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.fw.Settings.Volume, 22);
}

// Found by fuzzing the settings file: a frequency at the top of the number
// range overflowed when the receiver was programmed 45 MHz above it. Such a
// file now loads the default frequencies; the synthesizer word still wraps as
// the 32-bit register does, and the keys that change frequencies work on such
// values without overflowing either.
TEST_F(EmulatorRunTest, FrequenciesAtTheEndsOfTheNumberRangeRunWithoutOverflow) {
    host.At(126, [&] {
        host.fw.Settings.ActiveFreq = INT32_MAX;
        host.fw.Settings.StandbyFreq = INT32_MIN;
        TuneReceiver(host.fw);
        EXPECT_EQ(host.fw.Hardware.SynthesizerKHz, INT32_MIN + ReceiverOffsetKHz - 1);
    });
    host.TapKey(KeyBitActive, 150);
    host.TapKey(KeyBitUp, 170);
    host.TapKey(KeyBitMhzKhzCh, 190);
    host.TapKey(KeyBitDown, 210);
    host.HoldKey(KeyBitActive, 230, 40);
    host.RunUntilTick(300);
    EXPECT_TRUE(host.errors.empty());
}

// A host that tries to resume the firmware from inside it, at every poll
// step, as a handler reached from the firmware would.
class ReenteringHost : public ScriptedHost {
public:
    uint64_t NowMicroseconds() override {
        Runner().Resume();
        return ScriptedHost::NowMicroseconds();
    }
};

// A stop while a service screen runs inside the Setup menu inside the main
// menu destroys the whole chain: its scopes unwind, a change not yet saved is
// written and the display is cleared.
TEST(FirmwareRunnerTest, AStopInsideANestedScreenUnwindsTheChainAndEndsTheRun) {
    ReenteringHost host;
    MenuScript script(host);
    script.OpenSetupOnLine(1);
    script.Tap(KeyBitActive);  // " Invert " on, not yet saved
    script.Tap(KeyBitDown, 5);
    script.Tap(KeyBitActive);  // " ADC 1 "
    script.Wait(50);
    script.Then([&] {
        EXPECT_TRUE(host.fw.State.MenuActive);
        EXPECT_TRUE(host.Runner().Running());
    });
    script.Finish();
    EXPECT_FALSE(host.fw.State.MenuActive);
    EXPECT_EQ(SettingsFileBytes(host)[30], 1);
    EXPECT_EQ(ScreenArt(host.Frame()), GreenScreen());
}

}  // namespace
