#include <gtest/gtest.h>

#include <memory>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"
#include "help/help.h"
#include "menu_test_support.h"
#include "modes/operating_mode.h"
#include "support/screen_art.h"

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    ScriptedHost host;
    MenuScript script{host};

    // The side label beside UP (rows 1..3) or DOWN (rows 4..6) is drawn.
    bool SideLabelShown(int firstRow) {
        const std::string art = RegionArt(host.Frame(), 94, 8 * firstRow, 10, 24);
        return art.find('#') != std::string::npos;
    }
};

TEST_F(MainMenuTest, BrowsingStopsAtBothEndsAndEveryItemAsksForItsHelpTopic) {
    auto screen = std::make_shared<std::string>();
    script.Tap(KeyBitMenu);
    script.Then([&, screen] {
        EXPECT_EQ(host.help.CurrentTopic(), 2);
        EXPECT_FALSE(SideLabelShown(1));  // no Prev on the first item
        EXPECT_TRUE(SideLabelShown(4));
        *screen = ScreenArt(host.Frame());
    });
    script.Tap(KeyBitUp);
    script.Then([&, screen] {
        EXPECT_EQ(host.fw.State.MenuCursor, 0);
        EXPECT_EQ(ScreenArt(host.Frame()), *screen);
    });
    for (int item = 1; item <= 8; ++item) {
        script.Tap(KeyBitDown);
        script.Then([&, item] { EXPECT_EQ(host.help.CurrentTopic(), 2 + item); });
    }
    script.Then([&, screen] {
        EXPECT_TRUE(SideLabelShown(1));
        EXPECT_FALSE(SideLabelShown(4));  // no Next on the last item
        *screen = ScreenArt(host.Frame());
    });
    script.Tap(KeyBitDown);
    script.Then([&, screen] {
        EXPECT_EQ(host.fw.State.MenuCursor, 8);
        EXPECT_EQ(ScreenArt(host.Frame()), *screen);
    });
    script.Finish();
}

TEST_F(MainMenuTest, MenuEndsEditingFirstAndReopeningShowsTheLastItem) {
    script.OpenOnItem(3);
    script.Tap(KeyBitActive);
    script.Then([&] { EXPECT_TRUE(host.fw.State.MenuEditing); });
    script.Tap(KeyBitMenu);
    script.Then([&] {
        EXPECT_FALSE(host.fw.State.MenuEditing);
        EXPECT_TRUE(host.fw.State.MenuActive);
        EXPECT_EQ(host.help.CurrentTopic(), 5);
    });
    script.Tap(KeyBitMenu);
    script.Wait(30);
    script.Then([&] {
        EXPECT_FALSE(host.fw.State.MenuActive);
        EXPECT_EQ(host.help.CurrentTopic(), 1);
    });
    script.Tap(KeyBitMenu);
    script.Then([&] {
        EXPECT_EQ(host.fw.State.MenuCursor, 3);
        EXPECT_EQ(host.help.CurrentTopic(), 5);
    });
    script.Finish();
}

TEST_F(MainMenuTest, TheAuxItemAlwaysStartsOnTheOpenLevel) {
    script.OpenOnItem(4);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitActive);  // EDIT: the mute level
    script.Tap(KeyBitDown);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.AuxMuteLevel, 16); });
    script.Tap(KeyBitMenu, 3);  // end editing, leave, open again
    script.Tap(KeyBitActive);
    script.Tap(KeyBitDown);
    script.Finish();
    EXPECT_EQ(host.fw.Settings.AuxOpenLevel, 16);
    EXPECT_EQ(host.fw.Settings.AuxMuteLevel, 16);
}

TEST_F(MainMenuTest, HeldKeysRepeatAndLongPressesActInsideTheMenu) {
    script.Tap(KeyBitMenu);
    script.Hold(KeyBitDown, 50);  // at the press, after 620 ms and 220 ms later
    script.Then([&] { EXPECT_EQ(host.fw.State.MenuCursor, 3); });
    script.Hold(KeyBitActive, 40);  // edits, then the long press's second ACTIVE
    script.Then([&] {
        EXPECT_TRUE(host.fw.State.MenuEditing);
        EXPECT_TRUE(host.fw.State.ScanOn);
    });
    script.Hold(KeyBitMhzKhzCh, 40);
    script.Tap(KeyBitMenu, 2);
    script.Finish();
    EXPECT_TRUE(host.fw.State.Step25);
    EXPECT_EQ(host.fw.State.AdjustMode, AdjustKhz);
}

TEST_F(MainMenuTest, TheMicMeterHoldsItsPeakAndFallsOneStepPerPoll) {
    script.OpenOnItem(3);
    script.Then([&] { host.fw.State.MicSample = -32768; });  // 1024: the whole bar
    script.Wait(1);
    script.Then([&] {
        host.fw.State.MicSample = 0;
        EXPECT_EQ(host.fw.State.MeterPeak, 1024);
    });
    script.Wait(20);  // one poll step per tick here
    script.Then([&] { EXPECT_EQ(host.fw.State.MeterPeak, 1004); });
    script.Tap(KeyBitUp);
    script.Then([&] { host.fw.State.MicSample = 32767; });
    script.Wait(5);
    script.Then([&] { EXPECT_EQ(host.fw.State.MeterPeak, 1004); });  // only the MIC level item has it
    script.Finish();
}

TEST_F(MainMenuTest, ClosingTheWindowInsideTheMenusEndsTheRunPromptly) {
    script.OpenSetupOnLine(8);
    script.Tap(KeyBitActive);  // TX ofs edited
    script.Then([&] { host.fw.StopRequest = true; });
    script.Finish();
    EXPECT_LE(host.Tick(), script.Now() + 1);
    EXPECT_FALSE(host.fw.State.MenuActive);

    ScriptedHost again;
    MenuScript editing(again);
    editing.OpenOnItem(2);
    editing.Tap(KeyBitActive);
    editing.Then([&] { again.fw.StopRequest = true; });
    editing.Finish();
    EXPECT_FALSE(again.fw.State.MenuEditing);  // the next run's menu opens browsing
    EXPECT_FALSE(again.fw.State.MenuActive);
}

}  // namespace
