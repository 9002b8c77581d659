#include <gtest/gtest.h>

#include <random>

#include "display/lcd.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/radio/squelch.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator_test_support.h"
#include "support/scratch_display.h"
#include "support/screen_art.h"

namespace {

using Ticks = std::vector<uint32_t>;
constexpr uint16_t kNoSignal = 371;
constexpr uint16_t kFullSignal = 0;

// Squelch evaluation on its own: default threshold 524 (setting 10).
class SquelchTest : public ::testing::Test {
protected:
    // Also run again inside the tests, for each starting point.
    void SetUp() override {
        host.fw.State = {};
        host.fw.Settings = {};
        host.fw.Settings.SquelchSetting = 10;
        host.fw.Settings.AuxOpenLevel = 15;
    }
    ScriptedHost host;
    struct Snapshot {
        int32_t filtered;
        uint16_t closeDelay;
        int32_t forcedOpen;
        uint8_t rxState;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() {
        const auto& s = host.fw.State;
        return {s.FilteredLevel, s.CloseDelay, s.ForcedOpen, s.RxState};
    }
};

TEST_F(SquelchTest, ManyIterationsAtOnceEqualTheSameNumberOneByOne) {
    struct Start {
        int32_t filtered;
        uint16_t level;
        int32_t forced;
        uint8_t rxState;
    };
    for (const Start start : {Start{0, 551, 0, 0}, Start{551 * 128, 180, 0, 2}, Start{551 * 128, 180, 3000, 2},
                              Start{300 * 128, 510, 0, 3}, Start{0, 180, 100000, 3}}) {
        for (uint32_t n : {1u, 4096u, 9000u, 250000u}) {
            SetUp();
            host.fw.State.FilteredLevel = start.filtered;
            host.fw.State.RxLevel = start.level;
            host.fw.State.ForcedOpen = start.forced;
            host.fw.State.RxState = start.rxState;
            for (uint32_t i = 0; i < n; ++i) SquelchEvaluation(host.fw, 1);
            const Snapshot single = Take();
            host.fw.State.FilteredLevel = start.filtered;
            host.fw.State.CloseDelay = 0;
            host.fw.State.ForcedOpen = start.forced;
            host.fw.State.RxState = start.rxState;
            SquelchEvaluation(host.fw, n);
            EXPECT_EQ(Take(), single) << "start level " << start.filtered / 128 << ", signal " << start.level << ", "
                                      << n;
        }
    }
}

// Random starts, settings and counts, most of them long enough for the filter
// to settle part way: the batch leaves exactly the state single steps leave.
TEST_F(SquelchTest, ABatchLeavesTheWholeStateOfAsManySingleIterations) {
    struct Whole {
        EmulatorStateRecord state;
        uint8_t latchRegister;
        bool operator==(const Whole& o) const {
            const auto& a = state;
            const auto& b = o.state;
            return a.FilteredLevel == b.FilteredLevel && a.CloseDelay == b.CloseDelay && a.ForcedOpen == b.ForcedOpen &&
                   a.RxState == b.RxState && a.BelowSquelch == b.BelowSquelch && a.OutputLatch == b.OutputLatch &&
                   latchRegister == o.latchRegister;
        }
    };
    const auto whole = [&] { return Whole{host.fw.State, host.fw.Hardware.Registers[RegisterOutputLatch]}; };
    std::mt19937 random(20261207);
    const auto below = [&](uint32_t n) { return static_cast<uint32_t>(random() % n); };
    for (int round = 0; round < 300; ++round) {
        EmulatorStateRecord start{};
        start.RxLevel = static_cast<uint16_t>(150 + below(450));
        start.FilteredLevel = static_cast<int32_t>(below(600 * 128));
        start.CloseDelay = static_cast<uint16_t>(below(2) ? CloseDelayIterations - below(20) : below(8000));
        start.ForcedOpen = below(3) == 0 ? static_cast<int32_t>(below(20000)) - 10 : 0;
        start.RxState = static_cast<uint8_t>(below(4));
        start.OutputLatch = static_cast<uint8_t>(below(256));
        const auto squelch = static_cast<uint8_t>(below(64));
        const auto aux = static_cast<uint8_t>(below(32));
        const uint32_t count = 1 + below(1u << (1 + below(17)));
        const auto begin = [&] {
            host.fw.State = start;
            host.fw.Hardware.Registers[RegisterOutputLatch] = 0;
            host.fw.Settings.SquelchSetting = squelch;
            host.fw.Settings.AuxOpenLevel = aux;
        };
        begin();
        for (uint32_t i = 0; i < count; ++i) SquelchEvaluation(host.fw, 1);
        const Whole single = whole();
        begin();
        SquelchEvaluation(host.fw, count);
        ASSERT_EQ(whole(), single) << "round " << round << ": level " << start.RxLevel << ", filtered "
                                   << start.FilteredLevel << ", count " << count;
    }
}

TEST_F(SquelchTest, ClosesAfter7000IterationsBelowTheBandAndHoldsInsideIt) {
    host.fw.State.RxState = RxReceiving;
    host.fw.State.FilteredLevel = 180 * 128;
    host.fw.State.RxLevel = 180;
    SquelchEvaluation(host.fw, 7000);
    EXPECT_EQ(host.fw.State.RxState, RxReceiving);
    SquelchEvaluation(host.fw, 1);
    EXPECT_EQ(host.fw.State.RxState, RxSquelched);
    EXPECT_EQ(host.fw.Hardware.Registers[RegisterOutputLatch], LatchAuxPath);

    host.fw.State.RxLevel = 500;  // inside the band 494..524: nothing changes
    SquelchEvaluation(host.fw, 100000);
    EXPECT_EQ(host.fw.State.RxState, RxSquelched);
    host.fw.State.RxLevel = 530;
    SquelchEvaluation(host.fw, 1000);
    EXPECT_EQ(host.fw.State.RxState, RxReceiving);
    EXPECT_EQ(host.fw.Hardware.Registers[RegisterOutputLatch], LatchReceiveAudio);
    host.fw.State.RxLevel = 500;
    SquelchEvaluation(host.fw, 100000);
    EXPECT_EQ(host.fw.State.RxState, RxReceiving);
}

// Both edges at the default threshold 524, with the smoothed level resting on
// the signal: at 524 a closed squelch stays closed and the signal counts as
// below, at 525 it opens; at 494 an open squelch holds, at 493 the close delay
// starts.
TEST_F(SquelchTest, TheThresholdAndTheBandsLowerEdgeBelongToTheSideBelowThem) {
    const struct {
        uint8_t before;
        uint16_t level;
        uint8_t after;
        bool below;
        uint16_t closeDelay;
    } rows[] = {
        {RxSquelched, 524, RxSquelched, true, 0},
        {RxSquelched, 525, RxReceiving, false, 0},
        {RxReceiving, 494, RxReceiving, true, 0},
        {RxReceiving, 493, RxReceiving, true, 1},
    };
    for (const auto& row : rows) {
        SetUp();
        host.fw.State.RxState = row.before;
        host.fw.State.RxLevel = row.level;
        host.fw.State.FilteredLevel = row.level * 128;
        SquelchEvaluation(host.fw, 1);
        EXPECT_EQ(host.fw.State.RxState, row.after) << "level " << row.level;
        EXPECT_EQ(host.fw.State.BelowSquelch, row.below) << "level " << row.level;
        EXPECT_EQ(host.fw.State.CloseDelay, row.closeDelay) << "level " << row.level;
    }
}

TEST_F(SquelchTest, AHugeGapIsCountedWithoutIteratingIt) {
    host.fw.State.RxLevel = 180;
    host.fw.State.ForcedOpen = ForcedOpenIterations;
    SquelchEvaluation(host.fw, UINT32_MAX);
    EXPECT_EQ(host.fw.State.ForcedOpen, 0);
    EXPECT_EQ(host.fw.State.RxState, RxSquelched);
    EXPECT_EQ(host.fw.State.FilteredLevel / 128, 179);  // rising, the filter rests just below
}

TEST_F(SquelchTest, ExtremeSettingsAlwaysOpenOrNeverOpen) {
    host.fw.Settings.SquelchSetting = 63;  // threshold 100, below the weakest level
    host.fw.State.RxLevel = 180;
    SquelchEvaluation(host.fw, 50000);
    EXPECT_EQ(host.fw.State.RxState, RxReceiving);
    host.fw.Settings.SquelchSetting = 0;  // threshold 604, above the strongest level
    host.fw.State.RxLevel = 551;
    SquelchEvaluation(host.fw, 50000);
    EXPECT_EQ(host.fw.State.RxState, RxSquelched);
    EXPECT_TRUE(host.fw.State.BelowSquelch);
}

class RadioRunTest : public ::testing::Test {
protected:
    ScriptedHost host;
    void Start(const std::function<void(EepromSettingsRecord&)>& edit) { PrepareSettings(host, edit); }
};

TEST_F(RadioRunTest, TheSquelchOpensOnTheTickOfTheSignalAndClosesAbout70msAfterIt) {
    for (uint64_t wake : {0, 100, 3000}) {
        ScriptedHost run;
        run.WakeEvery(wake);
        const auto changes = WatchChanges(run, [&] { return long{run.fw.State.RxState}; });
        run.SetActiveSlider(kFullSignal, 200);
        run.SetActiveSlider(kNoSignal, 300);
        run.RunUntilTick(320);
        EXPECT_EQ(*changes, (Ticks{200, 303})) << "woken every " << wake << " us";
        EXPECT_EQ(run.fw.Hardware.Registers[RegisterOutputLatch], LatchAuxPath);
    }
}

TEST_F(RadioRunTest, DoubleVolSqHoldsTheSquelchOpenForOneSecond) {
    Start([&](EepromSettingsRecord& e) { e.SquelchSetting = 0; });
    const auto changes = WatchChanges(host, [&] { return long{host.fw.State.RxState}; });
    host.TapKey(KeyBitVolSq, 200);
    host.TapKey(KeyBitVolSq, 210);
    host.RunUntilTick(400);
    EXPECT_EQ(*changes, (Ticks{211, 261}));  // open for 1 s from the poll after the key
    EXPECT_EQ(host.fw.State.AdjustMode, AdjustVolume);
}

TEST_F(RadioRunTest, ScanningAlternatesEveryThreeTicksUntilASignalHoldsIt) {
    Start([&](EepromSettingsRecord& e) { e.ScanAtPowerUp = 1; });
    const auto retunes = WatchChanges(host, [&] { return long{host.fw.State.TunedFreq}; });
    host.SetStandbySlider(kFullSignal, 300);
    host.RunUntilTick(400);
    ASSERT_GE(retunes->size(), 10u);
    for (std::size_t i = 1; i < retunes->size(); ++i) EXPECT_EQ((*retunes)[i] - (*retunes)[i - 1], 3u);
    EXPECT_LE(retunes->back(), 303u);
    EXPECT_EQ(host.fw.State.TunedFreq, 126000);
    EXPECT_EQ(host.fw.State.RxState, RxReceiving);
}

TEST_F(RadioRunTest, PriorityScanLooksAtTheActiveFrequencyEvery101TicksOnTheStandby) {
    Start([&](EepromSettingsRecord& e) {
        e.ScanAtPowerUp = 1;
        e.PriorityScan = 1;
    });
    host.standbySlider = kFullSignal;
    auto looks = std::make_shared<Ticks>();
    host.EachTick([=, this](uint32_t tick) {
        static bool onActive = false;
        const bool now = host.fw.State.TunedFreq == host.fw.Settings.ActiveFreq;
        if (tick > 200 && now && !onActive) looks->push_back(tick - 1);
        onActive = now;
    });
    host.RunUntilTick(700);
    ASSERT_GE(looks->size(), 4u);
    // Two ticks on the active frequency, the tick of the retune, then 101 counted on the standby.
    for (std::size_t i = 1; i < looks->size(); ++i) EXPECT_EQ((*looks)[i] - (*looks)[i - 1], 2u + 1u + 101u);
}

TEST_F(RadioRunTest, ThePttIsIgnoredFor100msAfterStartUp) {
    const auto keyed = WatchChanges(
        host, [&] { return long{host.fw.State.Transmitting}; }, 126);
    host.At(ScriptedHost::MainScreenTick, [&] { host.fw.Inputs.PttPax = 1; });
    host.At(199, [&] {
        EXPECT_EQ(host.fw.Hardware.SynthesizerKHz, 123450);
        EXPECT_EQ(host.fw.Hardware.PathRegister1, PathTransmitEnable);
    });
    host.RunUntilTick(200);
    EXPECT_EQ(*keyed, (Ticks{131}));
}

TEST_F(RadioRunTest, NothingIsTransmittedBelow118MHz) {
    Start([&](EepromSettingsRecord& e) { e.ActiveFreq = 117975; });
    host.HoldPtt(200, 50);
    host.RunUntilTick(300);
    EXPECT_EQ(host.fw.Hardware.PathRegister1, PathReceive);
}

TEST_F(RadioRunTest, TxLockWaitsUntilTheActiveFrequencyFallsSilent) {
    Start([&](EepromSettingsRecord& e) { e.TxLock = 1; });
    const auto keyed = WatchChanges(host, [&] { return long{host.fw.State.Transmitting}; });
    host.activeSlider = kFullSignal;
    host.HoldPtt(200, 200);
    host.SetActiveSlider(kNoSignal, 300);
    host.RunUntilTick(450);
    EXPECT_EQ(*keyed, (Ticks{304, 400}));  // the poll after the squelch closed
}

// The transmission ends on the tick at which the PTT has been held 60.0 s.
TEST_F(RadioRunTest, AStuckPttEndsTheTransmissionAfterSixtySeconds) {
    const uint32_t from = 200;
    const auto keyed = WatchChanges(host, [&] { return long{host.fw.State.Transmitting}; });
    std::string row6;
    host.HoldPtt(from, 62 * 50);
    host.At(from + 60 * 50 + 10, [&] { row6 = RowArt(host.Frame(), 6); });
    host.At(from + 62 * 50 + 2, [&] { EXPECT_EQ(host.fw.State.StuckPttCount, 0); });
    host.HoldPtt(from + 62 * 50 + 10, 20);
    host.RunUntilTick(from + 63 * 50);
    EXPECT_EQ(*keyed, (Ticks{from, from + 60 * 50, from + 62 * 50 + 10, from + 62 * 50 + 30}));

    ScratchDisplay reference;
    reference.lcd.GotoText(0, 6);
    reference.lcd.DrawText("->Stuck PTT<-");
    EXPECT_EQ(row6, RowArt(reference.frame, 6));
}

TEST_F(RadioRunTest, InDirectSelectionTheRulesApplyToTheFrequencyInUse) {
    Start([&](EepromSettingsRecord& e) {
        e.DirectSelect = 1;
        e.ActiveFreq = 121500;  // hidden
        e.StandbyFreq = 110000;
        e.TxLock = 1;
    });
    host.HoldPtt(200, 20);
    host.At(225, [&] {
        EXPECT_EQ(host.fw.Hardware.PathRegister1, PathReceive);
        host.fw.Settings.ActiveFreq = 124000;
        host.fw.Settings.StandbyFreq = 121500;
        TuneReceiver(host.fw);
    });
    host.SetActiveSlider(kFullSignal, 225);
    host.HoldPtt(250, 20);
    host.At(270, [&] { EXPECT_EQ(host.fw.Hardware.PathRegister1, PathReceive); });
    host.SetActiveSlider(kNoSignal, 270);
    host.HoldPtt(300, 20);
    host.At(309, [&] {
        EXPECT_TRUE(host.fw.State.Transmitting);
        EXPECT_EQ(host.fw.Hardware.SynthesizerKHz, 121500);
    });
    host.RunUntilTick(310);
}

// In direct selection the frequency in use is shown under ACTIVE, and the
// "Simulate RX signal active" slider gives it its signal, not the standby one.
TEST_F(RadioRunTest, InDirectSelectionTheActiveSliderFeedsTheFrequencyInUse) {
    Start([&](EepromSettingsRecord& e) { e.DirectSelect = 1; });
    host.SetStandbySlider(kFullSignal, 150);
    host.At(160, [&] { EXPECT_EQ(host.fw.State.RxState, RxSquelched); });
    host.SetActiveSlider(kFullSignal, 170);
    host.At(180, [&] { EXPECT_EQ(host.fw.State.RxState, RxReceiving); });
    host.RunUntilTick(190);
    EXPECT_EQ(host.fw.State.TunedFreq, 126000);
}

TEST_F(RadioRunTest, AFlipWhileTransmittingNeverKeysBelow118MHz) {
    Start([&](EepromSettingsRecord& e) { e.StandbyFreq = 110000; });
    host.HoldPtt(200, 100);
    host.TapKey(KeyBitActive, 250);
    host.RunUntilTick(280);
    EXPECT_FALSE(host.fw.State.Transmitting);
    EXPECT_EQ(host.fw.Hardware.SynthesizerKHz, 110000 + ReceiverOffsetKHz);
}

TEST_F(RadioRunTest, TheAuxLevelFollowsTheMicrophoneAndStepsBack) {
    Start([&](EepromSettingsRecord& e) { e.AuxMuteLevel = 18; });
    auto level = std::make_shared<std::vector<int>>();
    host.EachTick([=, this](uint32_t tick) {
        if (tick > 200) level->push_back(host.fw.Hardware.Registers[RegisterAuxLevel]);
    });
    host.At(200, [&] { host.fw.State.MicActive = true; });
    host.At(210, [&] { host.fw.State.MicActive = false; });
    host.At(260, [&] { host.fw.Settings.AuxMuteLevel = 5; });  // below the open level
    host.At(260, [&] { host.fw.State.MicActive = true; });
    host.At(270, [&] { host.fw.State.MicActive = false; });
    host.RunUntilTick(320);
    EXPECT_EQ((*level)[0], 18);
    EXPECT_EQ((*level)[9 + 25], 18);
    EXPECT_EQ((*level)[9 + 26], 17);
    EXPECT_EQ((*level)[9 + 28], 15);
    EXPECT_EQ((*level)[60], 5);
    EXPECT_EQ((*level)[69 + 27], 15);
    EXPECT_FALSE(host.fw.State.AuxDucked);
}

}  // namespace
