#include <gtest/gtest.h>

#include <algorithm>

#include "emulator/runtime/emulator_tick.h"
#include "modes/operating_mode.h"
#include "support/idle_firmware.h"
#include "support/recording_mode_view.h"

namespace {

// The time base as Timer2 drives it, one 20 ms tick per call, both sliders at
// the bottom.
class ModeTest : public ::testing::Test {
protected:
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) mode.TimeBase(SliderMaximum, SliderMaximum);
    }
    // Ticks until the view was switched offline; -1 when it never was.
    int TicksUntilOffline(int limit) {
        for (int i = 1; i <= limit; ++i) {
            mode.TimeBase(SliderMaximum, SliderMaximum);
            if (view.offline) return i;
        }
        return -1;
    }

    void DisplayMessageReceived() { mode.DisplayMessageReceived(); }

    RecordingModeView view;
    IdleFirmware unit;
    OperatingMode mode{unit.fw, &view};
};

TEST_F(ModeTest, WithoutATransceiverTheTimeBaseNeverSwitchesModes) {
    Ticks(25 * 40);
    EXPECT_EQ(view.offline, 0);
    EXPECT_EQ(view.online, 0);
    EXPECT_EQ(mode.Watchdog(), 0);
    EXPECT_FALSE(unit.fw.StopRequest);
}

TEST_F(ModeTest, TheFirstMessageSwitchesOnlineAndEveryMessageRestartsTheWatchdog) {
    DisplayMessageReceived();
    EXPECT_EQ(view.online, 1);
    EXPECT_TRUE(unit.fw.StopRequest);
    EXPECT_EQ(unit.help.CurrentTopic(), 100);
    EXPECT_EQ(mode.Watchdog(), 5);
    Ticks(60);
    EXPECT_EQ(mode.Watchdog(), 3);
    DisplayMessageReceived();
    EXPECT_EQ(view.online, 1);
    EXPECT_EQ(mode.Watchdog(), 5);
}

// The watchdog counts on half-second boundaries only, so the fall-back comes
// 2.0 to 2.5 s after the last message, depending on where in the half second
// that message came: on the fifth boundary after it.
TEST_F(ModeTest, FallsBackOfflineOnTheFifthHalfSecondBoundaryAfterTheLastMessage) {
    int shortest = 1000;
    int longest = 0;
    for (int phase = 0; phase < 25; ++phase) {
        unit.fw.State = {};
        view = {};
        mode = OperatingMode(unit.fw, &view);
        Ticks(phase);
        DisplayMessageReceived();
        const int ticks = TicksUntilOffline(200);
        ASSERT_EQ(view.offline, 1) << "phase " << phase;
        shortest = std::min(shortest, ticks);
        longest = std::max(longest, ticks);
    }
    EXPECT_EQ(shortest, 101);  // message just before a boundary
    EXPECT_EQ(longest, 125);   // message just after one
}

TEST_F(ModeTest, OfflineIsEnteredOnceOnTheWayFromOneToZeroAndNeverAtZero) {
    DisplayMessageReceived();
    Ticks(25 * 5);
    EXPECT_EQ(view.offline, 1);
    EXPECT_EQ(mode.Watchdog(), 0);
    EXPECT_FALSE(unit.fw.StopRequest);
    EXPECT_EQ(view.emulatorStarts, 1);
    Ticks(25 * 20);
    EXPECT_EQ(view.offline, 1);
    EXPECT_EQ(view.emulatorStarts, 1);
}

TEST_F(ModeTest, MessagesEverySecondKeepTheProgramOnline) {
    for (int second = 0; second < 30; ++second) {
        DisplayMessageReceived();
        Ticks(50);
    }
    EXPECT_EQ(view.online, 1);
    EXPECT_EQ(view.offline, 0);
    EXPECT_TRUE(unit.fw.StopRequest);
}

TEST_F(ModeTest, ARunStillActiveIsNotStartedAgain) {
    DisplayMessageReceived();
    mode.SetEmulatorRunning(true);
    Ticks(25 * 5);
    EXPECT_EQ(view.offline, 1);
    EXPECT_FALSE(unit.fw.StopRequest);
    EXPECT_EQ(view.emulatorStarts, 0);
}

}  // namespace
