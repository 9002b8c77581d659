#include <gtest/gtest.h>

#include <memory>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator_test_support.h"
#include "help/help.h"
#include "menu_test_support.h"
#include "support/screen_art.h"

namespace {

class SetupMenuTest : public ::testing::Test {
protected:
    ScriptedHost host;
    MenuScript script{host};

    void ExpectGolden(const char* name) {
        script.Then([this, name] { EXPECT_TRUE(MatchesGolden(host.Frame(), name)); });
    }
};

TEST_F(SetupMenuTest, GoldenFirstLinesWithTheFirstSelected) {
    script.OpenSetupOnLine(0);
    ExpectGolden("setup_top");
    script.Finish();
}

TEST_F(SetupMenuTest, FromLine3OnTheSelectedLineIsTheBottomOneAlsoMovingUp) {
    script.OpenSetupOnLine(13);  // one DOWN too many
    script.Then([&] {
        EXPECT_EQ(host.fw.State.SetupCursor, 12);
        EXPECT_EQ(host.fw.State.SetupTop, 9);
    });
    script.Tap(KeyBitUp);
    script.Then([&] {
        EXPECT_EQ(host.fw.State.SetupCursor, 11);
        EXPECT_EQ(host.fw.State.SetupTop, 8);
    });
    ExpectGolden("setup_line_11");
    script.Tap(KeyBitUp, 9);
    script.Then([&] {
        EXPECT_EQ(host.fw.State.SetupCursor, 2);
        EXPECT_EQ(host.fw.State.SetupTop, 0);
    });
    script.Finish();
}

TEST_F(SetupMenuTest, TheHelpTopicFollowsTheSelectedLineWhileBrowsing) {
    script.OpenSetupOnLine(0);
    for (int line = 0; line <= 8; ++line) {
        script.Then([&, line] { EXPECT_EQ(host.help.CurrentTopic(), 200 + line); });
        script.Tap(KeyBitDown);
    }
    script.Tap(KeyBitUp);
    script.Tap(KeyBitActive);  // TX ofs edited: the topic stays
    script.Tap(KeyBitUp, 2);
    script.Then([&] { EXPECT_EQ(host.help.CurrentTopic(), 208); });
    script.Tap(KeyBitActive);
    script.Tap(KeyBitDown);
    script.Then([&] { EXPECT_EQ(host.help.CurrentTopic(), 209); });
    script.Tap(KeyBitMenu);
    script.Then([&] { EXPECT_EQ(host.help.CurrentTopic(), 10); });
    script.Finish();
}

TEST_F(SetupMenuTest, ActiveTogglesTheModeLinesAndStepsTheDualMode) {
    PrepareSettings(host, [&](EepromSettingsRecord& e) { e.TxLock = 2; });  // a byte the menu never writes
    script.OpenSetupOnLine(0);
    script.Tap(KeyBitActive, 2);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.DualMode, 2); });
    script.Tap(KeyBitActive);
    script.Tap(KeyBitDown);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitDown, 2);
    script.Tap(KeyBitActive);  // "On" becomes "Off"
    script.Tap(KeyBitDown, 2);
    script.Tap(KeyBitActive);
    script.Then([&] {
        EXPECT_EQ(host.fw.State.TunedFreq, 126000);  // the receiver follows direct selection
        EXPECT_EQ(host.fw.State.SaveCountdown, 10);
    });
    script.Finish();
    EXPECT_EQ(host.fw.Settings.DualMode, 0);
    EXPECT_EQ(host.fw.Settings.MicInvert, 1);
    EXPECT_EQ(host.fw.Settings.TxLock, 0);
    EXPECT_EQ(host.fw.Settings.DirectSelect, 1);
}

TEST_F(SetupMenuTest, TxOffsetStepsByThousandsWithin32000EitherWay) {
    script.OpenSetupOnLine(8);
    script.Tap(KeyBitActive);
    script.Tap(KeyBitUp, 30);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.TxOffset, 32000); });
    script.Tap(KeyBitUp);
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.TxOffset, 32000);
        host.fw.Settings.TxOffset = 2000;
    });
    script.Tap(KeyBitDown, 34);
    script.Then([&] { EXPECT_EQ(host.fw.Settings.TxOffset, -32000); });
    ExpectGolden("setup_tx_offset_edited");
    script.Tap(KeyBitDown);
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.TxOffset, -32000);
        host.fw.Settings.TxOffset = 31999;  // off the grid, as a settings file may hold
    });
    script.Tap(KeyBitUp);
    script.Then([&] {
        EXPECT_EQ(host.fw.Settings.TxOffset, 32000);
        host.fw.Settings.TxOffset = -31999;
    });
    script.Tap(KeyBitDown);
    script.Finish();
    EXPECT_EQ(host.fw.Settings.TxOffset, -32000);
}

// Dark and light swapped.
std::string Inverted(std::string art) {
    for (char& pixel : art) pixel = pixel == '#' ? '.' : pixel == '.' ? '#' : pixel;
    return art;
}

TEST_F(SetupMenuTest, TheCpuLineShows0AndIsEditedWithoutEffect) {
    const std::string label = TextArt(" CPUF: ", true);
    const std::string value = Inverted(TextArt("0", true));
    script.OpenSetupOnLine(12);
    script.Tap(KeyBitActive);
    script.Then([&] { host.fw.State.SaveCountdown = 0; });
    script.Tap(KeyBitUp);
    script.Tap(KeyBitDown, 2);
    script.Then([&] {
        EXPECT_TRUE(host.fw.State.SetupEditing);
        EXPECT_EQ(host.fw.State.SetupCursor, 12);
        EXPECT_EQ(host.fw.State.SaveCountdown, 0);
        EXPECT_TRUE(SameArt(CellsArt(host.Frame(), 0, 6, 7, true), label));
        EXPECT_TRUE(SameArt(CellsArt(host.Frame(), 7, 6, 1, true), value));  // only the value inverse
    });
    script.Tap(KeyBitActive);
    script.Then([&] { EXPECT_FALSE(host.fw.State.SetupEditing); });
    script.Finish();
}

TEST_F(SetupMenuTest, ALongActiveOnTxOffsetEntersAndLeavesEditing) {
    script.OpenSetupOnLine(8);
    script.Hold(KeyBitActive, 40);
    script.Finish();
    EXPECT_FALSE(host.fw.State.SetupEditing);
    EXPECT_TRUE(host.fw.State.ScanOn);
}

// The Setup menu closes at the first poll without a key once HalfSeconds,
// restarted by UP, DOWN, VOL/SQ and MHz/KHz/CH, has passed 200.
class SetupTimeoutTest : public ::testing::Test {
protected:
    // Returns the tick on which the Setup menu gave way to the main menu.
    static uint32_t ClosingTick(uint8_t keyBit, uint32_t keyTick) {
        ScriptedHost host;
        MenuScript script(host);
        auto entered = std::make_shared<bool>(false);
        auto closed = std::make_shared<uint32_t>(0);
        script.OpenSetupOnLine(1);
        host.EachTick([&, entered, closed](uint32_t tick) {
            if (host.help.CurrentTopic() >= 200) *entered = true;
            if (*entered && *closed == 0 && host.help.CurrentTopic() == 10) *closed = tick - 1;
        });
        if (keyBit != 0) host.TapKey(keyBit, keyTick);
        script.Wait(7200);
        script.Finish();
        return *closed;
    }
};

TEST_F(SetupTimeoutTest, TheMenuClosesAfter201HalfSecondsWithoutAKeyThatRestartsIt) {
    // Entered on tick 250 and line 1 reached on tick 260: half-seconds count at 275, 300, ...
    const uint32_t untouched = ClosingTick(0, 0);
    EXPECT_EQ(untouched, 250 + 201 * 25);
    EXPECT_EQ(ClosingTick(KeyBitActive, 2000), untouched);  // a toggle does not restart it
    EXPECT_EQ(ClosingTick(KeyBitVolSq, 2010), 2000 + 201 * 25);
    EXPECT_EQ(ClosingTick(KeyBitMhzKhzCh, 2030), 2025 + 201 * 25);
    EXPECT_EQ(ClosingTick(KeyBitUp, 2000), 2000 + 201 * 25);
}

// ADC 1 open for 120 s: back from it, the Setup menu stays open and closes
// 201 half-seconds later.
TEST_F(SetupTimeoutTest, TheIdleTimeStartsAgainWhenAServiceScreenReturns) {
    ScriptedHost host;
    MenuScript script(host);
    script.OpenSetupOnLine(6);
    script.Tap(KeyBitActive);
    script.Wait(6000);
    const uint32_t back = script.Now();
    script.Tap(KeyBitVolSq);  // ends the screen
    auto closed = std::make_shared<uint32_t>(0);
    host.EachTick([=, &host](uint32_t tick) {
        if (tick > back && *closed == 0 && host.help.CurrentTopic() == 10) *closed = tick - 1;
    });
    script.Wait(201 * 25);
    script.Finish();
    EXPECT_EQ(*closed, back / 25 * 25 + 201 * 25);
}

}  // namespace
