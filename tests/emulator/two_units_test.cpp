#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/hardware/panel_inputs.h"
#include "menu_test_support.h"
#include "support/screen_art.h"
#include "support/scripted_host.h"

namespace {

// Two complete units in one process, driven step by step on their scripted
// clocks: each has its own settings file, display and keys, so the keys
// pressed on one change its screen and its e2.dfd and leave the other's alone.
TEST(TwoUnitsTest, KeysOnOneUnitChangeItsScreenAndSettingsFileOnly) {
    ScriptedHost used;
    ScriptedHost idle;
    used.TapKey(KeyBitUp, 200);      // volume 20 -> 21
    used.TapKey(KeyBitActive, 220);  // 123.450 and 126.000 change places
    std::vector<std::string> screens[2];
    std::vector<std::vector<uint8_t>> files[2];
    for (ScriptedHost* host : {&used, &idle}) {
        const int unit = host == &used ? 0 : 1;
        for (uint32_t tick : {150u, 400u}) {
            host->At(tick, [=, &screens, &files] {
                screens[unit].push_back(ScreenArt(host->Frame()));
                files[unit].push_back(SettingsFileBytes(*host));
            });
        }
        host->StopAt(410);
        host->Begin();
    }
    for (bool running = true; running;) {
        const bool usedRuns = used.Step();
        const bool idleRuns = idle.Step();
        running = usedRuns || idleRuns;
    }

    EXPECT_EQ(idle.fw.Settings.Volume, 20);
    EXPECT_EQ(idle.fw.Settings.ActiveFreq, 123450);
    EXPECT_EQ(used.fw.Settings.Volume, 21);
    EXPECT_EQ(used.fw.Settings.ActiveFreq, 126000);
    EXPECT_EQ(screens[1][0], screens[1][1]) << "the idle unit's screen stayed as it was";
    EXPECT_NE(screens[0][0], screens[0][1]);
    EXPECT_EQ(screens[0][0], screens[1][0]) << "both started alike";
    EXPECT_EQ(files[1][0], files[1][1]);
    EXPECT_EQ(files[1][1], SettingsFileBytes(idle)) << "the run's end wrote nothing for the idle unit";
    EXPECT_NE(SettingsFileBytes(used), files[0][0]) << "the used unit's change was written at the run's end";
    EXPECT_EQ(SettingsFileBytes(used)[17], 21);
}

}  // namespace
