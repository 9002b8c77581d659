#include <gtest/gtest.h>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/key_matrix.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator_test_support.h"

namespace {

using Ticks = std::vector<uint32_t>;

TEST(KeyMatrixTest, EachPortReportsOneRowAndItsFirstKeyWins) {
    ScriptedHost host;
    host.fw.Inputs.KeyDown = 0;
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortAny, 7), 0);
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortUpMenu, 7), 0);
    host.fw.Inputs.KeyDown = KeyBitUp | KeyBitMenu;
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortAny, 0), 255);
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortUpMenu, 0), 8);
    host.fw.Inputs.KeyDown = KeyBitMenu | KeyBitMhzKhzCh;
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortUpMenu, 0), 128);
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortDownStep, 0), 128);
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortVolActive, 0), 0);
    host.fw.Inputs.KeyDown = KeyBitActive | KeyBitVolSq;
    EXPECT_EQ(ReadKeyPort(host.fw, KeyPortVolActive, 0), 8);
    EXPECT_EQ(ReadKeyPort(host.fw, 33, 42), 42);
}

class KeyScanTest : public ::testing::Test {
protected:
    ScriptedHost host;
    std::shared_ptr<Ticks> volumeChanges = WatchChanges(host, [&] { return long{host.fw.Settings.Volume}; });
};

TEST_F(KeyScanTest, HeldUpActsAtThePressAfter620msAndThenEvery220ms) {
    host.HoldKey(KeyBitUp, 200, 100);
    host.RunUntilTick(400);
    EXPECT_EQ(*volumeChanges, (Ticks{200, 231, 242, 253, 264, 275, 286, 297}));
    EXPECT_EQ(host.fw.Settings.Volume, 28);
}

TEST_F(KeyScanTest, VolumeStopsAt31WhileTheKeyRepeats) {
    host.HoldKey(KeyBitUp, 200, 400);
    host.RunUntilTick(700);
    EXPECT_EQ(host.fw.Settings.Volume, 31);
    EXPECT_EQ(volumeChanges->size(), 11u);
}

// A press and its release between two scans (a touchpad tap) count once.
TEST_F(KeyScanTest, EveryInstantTapCountsOnce) {
    for (uint32_t tick : {200u, 210u, 220u, 230u, 240u}) host.HoldKey(KeyBitUp, tick, 0);
    host.RunUntilTick(300);
    EXPECT_EQ(*volumeChanges, (Ticks{200, 210, 220, 230, 240}));
}

TEST_F(KeyScanTest, APressWithin100msOfTheReleaseIsNoNewPress) {
    host.TapKey(KeyBitUp, 200);  // released before tick 202
    host.TapKey(KeyBitUp, 206);  // 80 ms later: ignored
    host.TapKey(KeyBitUp, 250);
    host.TapKey(KeyBitUp, 257);  // 100 ms later: a press
    host.RunUntilTick(300);
    EXPECT_EQ(*volumeChanges, (Ticks{200, 250, 257}));
}

TEST_F(KeyScanTest, APressInsideTheGuardContinuesTheOldHold) {
    host.TapKey(KeyBitUp, 200);       // hold count 1 at tick 201
    host.HoldKey(KeyBitUp, 205, 60);  // counts on from 2: the repeat comes at 234, not 236
    host.RunUntilTick(300);
    EXPECT_EQ(Ticks(volumeChanges->begin(), volumeChanges->begin() + 2), (Ticks{200, 234}));
}

// Only the same key continues a hold inside the guard: DOWN held right after
// an UP tap lowers the volume, it never repeats the UP.
TEST_F(KeyScanTest, AnotherKeyInsideTheGuardIsANewPress) {
    host.TapKey(KeyBitUp, 200);
    host.HoldKey(KeyBitDown, 204, 60);
    host.RunUntilTick(300);
    EXPECT_EQ(Ticks(volumeChanges->begin(), volumeChanges->begin() + 3), (Ticks{200, 204, 235}));
    EXPECT_EQ(host.fw.Settings.Volume, 20 + 1 - 4);
}

TEST_F(KeyScanTest, LongActiveFlipsBackAndTogglesScanning) {
    const auto flips = WatchChanges(host, [&] { return long{host.fw.Settings.ActiveFreq}; });
    host.HoldKey(KeyBitActive, 200, 80);
    host.RunUntilTick(300);
    EXPECT_EQ(*flips, (Ticks{200, 231}));  // no third flip however long it is held
    EXPECT_EQ(host.fw.Settings.ActiveFreq, 123450);
    EXPECT_TRUE(host.fw.State.ScanOn);
}

TEST_F(KeyScanTest, LongMhzKhzChTogglesTheStepAndEndsInKhzTuning) {
    host.At(231, [&] { EXPECT_EQ(host.fw.State.AdjustMode, AdjustMhz); });
    host.HoldKey(KeyBitMhzKhzCh, 200, 80);
    host.RunUntilTick(300);
    EXPECT_TRUE(host.fw.State.Step25);
    EXPECT_EQ(host.fw.State.AdjustMode, AdjustKhz);
}

TEST_F(KeyScanTest, SeveralKeysDownRegisterInTheMatrixOrder) {
    host.At(200, [&] { host.fw.Inputs.KeyDown = KeyBitVolSq | KeyBitActive; });
    host.At(202, [&] { host.fw.Inputs.KeyDown = 0; });
    host.RunUntilTick(250);
    EXPECT_EQ(host.fw.State.AdjustMode, AdjustSquelch);  // VOL/SQ before ACTIVE
    EXPECT_EQ(host.fw.Settings.ActiveFreq, 123450);
}

TEST_F(KeyScanTest, KeyTimingDoesNotDependOnHowOftenTheHostWakesTheFirmware) {
    host.WakeEvery(300);
    host.HoldKey(KeyBitUp, 200, 100);
    host.RunUntilTick(400);
    EXPECT_EQ(*volumeChanges, (Ticks{200, 231, 242, 253, 264, 275, 286, 297}));
}

}  // namespace
