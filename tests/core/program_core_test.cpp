#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/program_directory.h"
#include "core/program_core.h"
#include "emulator/hardware/panel_inputs.h"
#include "support/link_fixture.h"
#include "support/screen_art.h"
#include "support/temp_dir.h"

namespace {

// The program core without a window: a view that keeps what it was told, a
// clock moved by the test, the settings in a folder of their own.
struct CountingView : ProgramView {
    int online = 0;
    int offline = 0;
    int emulatorStarts = 0;
    std::vector<std::string> help;
    std::vector<std::string> problems;
    void ShowOnlineMode() override { ++online; }
    void ShowOfflineMode() override { ++offline; }
    void StartEmulatorSoon() override { ++emulatorStarts; }
    void Clear() override { help.clear(); }
    void AddLine(std::string_view text) override { help.emplace_back(text); }
    void ReportFirmwareError(const std::string& message) override { problems.push_back(message); }
    void ReportProblem(const std::string& message) override { problems.push_back(message); }
    void ReportPortNotAvailable(const PortFailure&) override { problems.emplace_back("port"); }
};

class ProgramCoreTest : public ::testing::Test {
protected:
    // Timer2 as the window drives it: the clock moves 20 ms, then the tick.
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            clock.now += 20000;
            core.Tick();
        }
    }
    void TapKey(uint8_t keyBit) {
        core.PressKey(keyBit);
        Ticks(2);
        core.ReleaseKey(keyBit);
        Ticks(10);
    }

    TempDir dir;
    CountingView view;
    ManualLinkClock clock;
    ProgramCore core{view, FoldersBeside(dir.WithSeparator()), dir.WithSeparator() + "ttyS", clock};
};

// Offline the emulator draws its screens and takes the keys; a display
// message fed as replayed bytes takes the program online and stays on the
// display; the watchdog takes it back offline, and the emulator starts again.
TEST_F(ProgramCoreTest, RunsTheEmulatorGoesOnlineWithAReplayAndFallsBackOffline) {
    core.StartEmulator();
    Ticks(130);
    EXPECT_TRUE(MatchesGolden(core.Frame, "main_defaults"));
    Ticks(70);
    const std::string mainScreen = ScreenArt(core.Frame);
    TapKey(KeyBitMhzKhzCh);
    EXPECT_NE(ScreenArt(core.Frame), mainScreen) << "MHz/KHz/CH changes the tuning shown";

    const DisplayMessageBytes message = BuildDisplayMessage(ReceivingDisplay());
    core.FeedReplayed(message.data(), message.size());
    EXPECT_EQ(view.online, 1);
    EXPECT_EQ(core.ModeCaption(), "Online - device interface mode");
    EXPECT_FALSE(core.Runner.Running());
    EXPECT_FALSE(view.help.empty());
    EXPECT_TRUE(MatchesGolden(core.Frame, "online_vol_receiving"));
    const std::string online = ScreenArt(core.Frame);
    TapKey(KeyBitMhzKhzCh);
    EXPECT_EQ(ScreenArt(core.Frame), online) << "online the keys reach no emulator";

    Ticks(125);
    EXPECT_EQ(view.offline, 1);
    EXPECT_EQ(view.emulatorStarts, 1);
    EXPECT_EQ(core.ModeCaption(), "Offline - device emulation mode");
    core.StartEmulator();
    EXPECT_TRUE(core.Runner.Running());
    EXPECT_TRUE(view.problems.empty());
}

}  // namespace
