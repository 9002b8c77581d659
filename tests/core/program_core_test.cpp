#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
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

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A whole program without its window, in a folder of its own.
struct CoreInFolder {
    TempDir dir;
    CountingView view;
    ManualLinkClock clock;
    ProgramCore core{view, FoldersBeside(dir.WithSeparator()), dir.WithSeparator() + "ttyS", clock};
    std::string File(const char* name) const { return dir.WithSeparator() + name; }
};

// Two cores in one process, ticked in turn: the keys pressed on one change
// its display, its e2.dfd and its RADIO.INI, and leave the other's alone.
TEST(TwoProgramCoresTest, KeysOnOneCoreChangeOnlyItsDisplayAndFiles) {
    CoreInFolder used;
    CoreInFolder idle;
    auto ticks = [&](int count) {
        for (int i = 0; i < count; ++i) {
            for (CoreInFolder* c : {&used, &idle}) {
                c->clock.now += 20000;
                c->core.Tick();
            }
        }
    };
    auto tap = [&](uint8_t keyBit) {
        used.core.PressKey(keyBit);
        ticks(2);
        used.core.ReleaseKey(keyBit);
        ticks(10);
    };
    for (CoreInFolder* c : {&used, &idle}) {
        c->core.LoadSettings();
        c->core.StartEmulator();
    }
    ticks(200);
    const std::string mainScreen = ScreenArt(idle.core.Frame);
    const std::vector<uint8_t> defaults = FileBytes(idle.File("e2.dfd"));
    ASSERT_EQ(ScreenArt(used.core.Frame), mainScreen);
    ASSERT_EQ(FileBytes(used.File("e2.dfd")), defaults);

    tap(KeyBitUp);      // volume 20 -> 21
    tap(KeyBitActive);  // the two frequencies change places
    ticks(400);         // the change is saved some seconds later
    EXPECT_NE(ScreenArt(used.core.Frame), mainScreen);
    EXPECT_EQ(ScreenArt(idle.core.Frame), mainScreen);
    used.core.Close(100);
    idle.core.Close(150);

    EXPECT_EQ(FileBytes(idle.File("e2.dfd")), defaults);
    const std::vector<uint8_t> saved = FileBytes(used.File("e2.dfd"));
    ASSERT_EQ(saved.size(), defaults.size());
    EXPECT_EQ(saved[17], 21);
    auto namesZoom = [](const std::vector<uint8_t>& ini) {
        return std::string(ini.begin(), ini.end()).find("Zoom=150") != std::string::npos;
    };
    EXPECT_FALSE(namesZoom(FileBytes(used.File("RADIO.INI"))));
    EXPECT_TRUE(namesZoom(FileBytes(idle.File("RADIO.INI"))));
}

}  // namespace
