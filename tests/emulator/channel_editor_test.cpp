#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/screens/channel_edit_steps.h"
#include "emulator/screens/channel_editor.h"
#include "emulator_test_support.h"
#include "freqdb/freq_database.h"
#include "screen_test_support.h"
#include "support/screen_art.h"

// The device channel editor, opened from a scripted action once the main
// screen is up (see screen_test_support.h), driven by taps of the panel keys.

namespace {

constexpr uint32_t kOpen = 200;  // a refresh tick; the next ones are 225, 250, ...

FreqRecord Channel(int32_t kHz, std::string_view name, std::string_view type) {
    FreqRecord r;
    r.FreqKHz = kHz;
    r.SetName(name);
    r.SetType(type);
    return r;
}

class ChannelEditorTest : public ::testing::Test {
protected:
    ScriptedHost host;
    uint32_t nextKey_ = kOpen + 10;

    const FreqRecord& Shown() const { return host.fw.State.CurrentRecord; }

    std::shared_ptr<OpenedScreen> Open() { return OpenScreenAt(host, kOpen, RunDeviceChannelEditor); }

    // Taps the keys 10 ticks apart; returns the tick after the last has acted.
    uint32_t Tap(std::initializer_list<uint8_t> keys) {
        for (uint8_t key : keys) {
            host.TapKey(key, nextKey_);
            nextKey_ += 10;
        }
        return nextKey_ - 5;
    }
    void ExpectAt(uint32_t tick, std::function<void()> check) { host.At(tick, std::move(check)); }
    std::string Line(int row) { return CellArt(host.Frame(), 0, 13, row, 2); }
    std::string Mark() { return CellArt(host.Frame(), 12, 1, 2, 1); }
};

// --- Opening and channel stepping --------------------------------------------

TEST_F(ChannelEditorTest, OpensOnChannel1WhateverChannelTheMainScreenUses) {
    PrepareSettings(host, [&](EepromSettingsRecord& e) { e.ChannelIndex = 41; });
    host.db.Table[0] = Channel(121500, "TOWER ", "  ATIS");
    host.db.Table[41] = Channel(131725, "GROUND", "  TWR ");
    Open();
    ExpectAt(kOpen + 5, [&] { EXPECT_TRUE(MatchesGolden(host.Frame(), "channel_editor")); });
    host.RunUntilTick(kOpen + 6);
    EXPECT_EQ(Shown(), host.db.Table[0]);
}

TEST_F(ChannelEditorTest, ChannelsWrapFrom1To100AndBack) {
    const std::string first = TextArt("Channel: 1", 0, true, true);
    const std::string hundredth = TextArt("Channel: 100", 0, true, true);
    const std::string second = TextArt("Channel: 2", 0, true, true);
    host.db.Table[99] = Channel(131725, "GROUND", "  TWR ");
    Open();
    ExpectAt(Tap({KeyBitDown}), [&] {
        EXPECT_EQ(Line(0), hundredth);
        EXPECT_EQ(Shown(), host.db.Table[99]);
    });
    ExpectAt(Tap({KeyBitUp}), [&] { EXPECT_EQ(Line(0), first); });
    ExpectAt(Tap({KeyBitUp}), [&] { EXPECT_EQ(Line(0), second); });
    host.RunUntilTick(nextKey_);
}

TEST_F(ChannelEditorTest, LoadedRecordsShowMalformedTextsBlankAndFrequenciesClamped) {
    const std::string blankName = TextArt("Name:       ", 4, true);
    const std::string blankType = TextArt("Type:       ", 6, true);
    const std::string lowest = TextArt("Freq: 108.00", 2, true);
    const std::string highest = TextArt("Freq: 136.97", 2, true);
    host.db.Table[0] = Channel(100000, "APP", "VOR");
    host.db.Table[1] = Channel(140000, "", "TOOLONG");
    Open();
    ExpectAt(kOpen + 5, [&] {
        EXPECT_EQ(Line(2), lowest);
        EXPECT_EQ(Line(4), blankName);
        EXPECT_EQ(Line(6), blankType);
    });
    ExpectAt(Tap({KeyBitUp}), [&] {
        EXPECT_EQ(Line(2), highest);
        EXPECT_EQ(Shown().Name(), "      ");
        EXPECT_EQ(Shown().Type(), "TOOLON");  // stored cut to six characters: shown as it is
    });
    host.RunUntilTick(nextKey_);
}

// --- Editing ------------------------------------------------------------------

TEST_F(ChannelEditorTest, NameAndTypeCharactersStepThroughTheCharacterSet) {
    host.db.Table[0] = Channel(121500, "aZY-AB", "      ");
    Open();
    Tap({KeyBitActive, KeyBitActive});                                // name line, first character
    Tap({KeyBitUp, KeyBitMhzKhzCh, KeyBitDown});                      // outside the set: "-" either way
    Tap({KeyBitMhzKhzCh, KeyBitUp});                                  // Y up: "-"
    Tap({KeyBitMhzKhzCh, KeyBitDown});                                // "-" down: Y
    Tap({KeyBitMhzKhzCh, KeyBitMhzKhzCh, KeyBitMhzKhzCh, KeyBitUp});  // past the sixth: back to the first
    ExpectAt(Tap({KeyBitActive, KeyBitUp, KeyBitUp}), [&] {
        EXPECT_EQ(Shown().Name(), "*--YAB");
        EXPECT_EQ(Shown().Type(), "B     ");
    });
    host.RunUntilTick(nextKey_);
}

TEST_F(ChannelEditorTest, FrequencyPartsStepOnTheGridAndWrapTheKhzPart) {
    host.db.Table[0] = Channel(118975, "      ", "      ");
    host.At(kOpen - 1, [&] { host.fw.State.Step25 = true; });
    Open();
    Tap({KeyBitActive, KeyBitMhzKhzCh});  // frequency line, kHz part
    ExpectAt(Tap({KeyBitUp}), [&] { EXPECT_EQ(Shown().FreqKHz, 118000); });
    ExpectAt(Tap({KeyBitDown}), [&] { EXPECT_EQ(Shown().FreqKHz, 118975); });
    ExpectAt(Tap({KeyBitMhzKhzCh, KeyBitUp}), [&] { EXPECT_EQ(Shown().FreqKHz, 119975); });
    host.RunUntilTick(nextKey_);
}

TEST(ChannelEditStepsTest, KhzPartWrapsInsideTheMhzWith25And50kHzSteps) {
    EXPECT_EQ(StepEditedFrequency(118975, true, true, true), 118000);
    EXPECT_EQ(StepEditedFrequency(118000, true, false, true), 118975);
    EXPECT_EQ(StepEditedFrequency(108000, true, false, false), 108950);
    EXPECT_EQ(StepEditedFrequency(108950, true, true, false), 108000);
    EXPECT_EQ(StepEditedFrequency(118975, true, true, false), 118000);  // 975 is 950 on the 50 kHz grid
    EXPECT_EQ(StepEditedFrequency(118030, true, true, false), 118050);
}

TEST(ChannelEditStepsTest, MhzPartStopsAtTheBandEndsAndReaching136ClearsTheKhz) {
    EXPECT_EQ(StepEditedFrequency(135500, false, true, false), 136000);
    EXPECT_EQ(StepEditedFrequency(136000, false, true, false), 136000);
    EXPECT_EQ(StepEditedFrequency(136950, false, false, false), 135950);
    EXPECT_EQ(StepEditedFrequency(108500, false, false, false), 108500);
    EXPECT_EQ(StepEditedFrequency(109525, false, false, true), 108525);
}

TEST(ChannelEditStepsTest, TheFrequencyNeverLeavesTheBandOrTheGrid) {
    for (int32_t kHz = 100000; kHz <= 140000; ++kHz)
        for (int combination = 0; combination < 8; ++combination) {
            const bool khzPart = combination & 1, up = combination & 2, step25 = combination & 4;
            const int32_t result = StepEditedFrequency(kHz, khzPart, up, step25);
            ASSERT_GE(result, 108000) << kHz << " " << combination;
            ASSERT_LE(result, 136975) << kHz << " " << combination;
            ASSERT_EQ(result % (step25 ? 25 : 50), 0) << kHz << " " << combination;
        }
}

TEST(ChannelEditStepsTest, UpAndDownVisitEveryCharacterOnceAndUndoEachOther) {
    std::string visited;
    char c = '-';
    for (std::size_t i = 0; i < NameCharset.size(); ++i) {
        visited += c;
        EXPECT_EQ(StepNameCharacter(StepNameCharacter(c, true), false), c);
        c = StepNameCharacter(c, true);
    }
    EXPECT_EQ(c, '-');
    EXPECT_EQ(visited, "-*<>0123456789 ABCDEFGHIJKLMNOPQRSTUVWXY");
    for (char outside : {'a', 'Z', '\0', '\x90', '_'}) {
        EXPECT_EQ(StepNameCharacter(outside, true), '-');
        EXPECT_EQ(StepNameCharacter(outside, false), '-');
    }
}

// --- The cursor, the selection and the 25 kHz mark ----------------------------

TEST_F(ChannelEditorTest, TheCursorBlinksOnThePartBeingEditedOfTheInverseLine) {
    const std::string plain = TextArt("Freq: 121.50", 2, true, true);
    const std::string onKhz = TextArt("Freq: 121.5_", 2, true, true);
    const std::string onMhz = TextArt("Freq: 12_.50", 2, true, true);
    const std::string onThird = TextArt("Name: TO_ER ", 4, true, true);
    const std::string unselected = TextArt("Freq: 121.50", 2, true);
    host.db.Table[0] = Channel(121500, "TOWER ", "  ATIS");
    Open();
    // Every redraw toggles the cursor phase; a key that edits hides the
    // cursor until the next refresh (ticks 225, 250, 275, 300).
    host.TapKey(KeyBitActive, 210);  // frequency line, MHz part
    ExpectAt(224, [&] { EXPECT_EQ(Line(2), plain); });
    ExpectAt(226, [&] { EXPECT_EQ(Line(2), onMhz); });
    ExpectAt(251, [&] { EXPECT_EQ(Line(2), plain); });
    host.TapKey(KeyBitMhzKhzCh, 255);  // the kHz part
    ExpectAt(274, [&] { EXPECT_EQ(Line(2), plain); });
    ExpectAt(276, [&] { EXPECT_EQ(Line(2), onKhz); });
    host.TapKey(KeyBitActive, 280);  // name line, first character
    host.TapKey(KeyBitMhzKhzCh, 290);
    host.TapKey(KeyBitMhzKhzCh, 298);
    ExpectAt(301, [&] {
        EXPECT_EQ(Line(4), onThird);
        EXPECT_EQ(Line(2), unselected);
    });
    host.RunUntilTick(302);
}

TEST_F(ChannelEditorTest, With25kHzStepsFrequenciesEndingIn25Or75AreMarkedWithTheSmallZero) {
    const std::string mark = GlyphArt(SmallDigitZeroCode);
    const std::string blank = GlyphArt(' ');
    host.db.Table[0] = Channel(118025, "      ", "      ");
    host.db.Table[1] = Channel(118050, "      ", "      ");
    host.At(kOpen - 1, [&] { host.fw.State.Step25 = true; });
    Open();
    ExpectAt(kOpen + 5, [&] { EXPECT_EQ(Mark(), mark); });
    ExpectAt(Tap({KeyBitUp}), [&] { EXPECT_EQ(Mark(), blank); });
    ExpectAt(Tap({KeyBitDown, KeyBitActive}),
             [&] { EXPECT_TRUE(MatchesGolden(host.Frame(), "channel_editor_step25")); });
    host.RunUntilTick(nextKey_);
}

TEST_F(ChannelEditorTest, SwitchingTo50kHzStepsInTheEditorWipesTheMark) {
    host.db.Table[0] = Channel(118025, "      ", "      ");
    host.At(kOpen - 1, [&] { host.fw.State.Step25 = true; });
    Open();
    host.HoldKey(KeyBitMhzKhzCh, kOpen + 10, 40);  // a long press switches the step size
    host.RunUntilTick(kOpen + 60);
    EXPECT_FALSE(host.fw.State.Step25);
    EXPECT_EQ(Mark(), GlyphArt(' '));
}

// --- Storing and leaving --------------------------------------------------------

TEST_F(ChannelEditorTest, EditsGoOnlyToTheChannelMemoryAndAreGoneAfterSteppingAway) {
    host.db.Table[0] = Channel(121500, "TOWER ", "  ATIS");
    const auto table = host.db.Table;
    Open();
    Tap({KeyBitActive, KeyBitActive, KeyBitUp});                 // name: "UOWER "
    ExpectAt(Tap({KeyBitActive, KeyBitActive, KeyBitUp}), [&] {  // channel 2
        EXPECT_EQ(host.fw.Hardware.StoredChannel, 0);
        EXPECT_EQ(host.fw.Hardware.StoredRecord.Name(), "UOWER ");
    });
    ExpectAt(Tap({KeyBitDown}), [&] { EXPECT_EQ(Shown().Name(), "TOWER "); });
    host.RunUntilTick(nextKey_);
    EXPECT_EQ(host.db.Table, table);
}

TEST_F(ChannelEditorTest, MenuLeavesStoringOnlyAChangedRecord) {
    host.db.Table[0] = Channel(121500, "TOWER ", "  ATIS");
    host.db.Table[1] = Channel(122000, "TOWER ", "  ATIS");
    auto opened = Open();
    Tap({KeyBitUp, KeyBitActive, KeyBitDown});  // channel 2, frequency 121.000
    const uint32_t leave = nextKey_;
    Tap({KeyBitMenu});
    ExpectAt(leave + 5, [&] {
        EXPECT_EQ(host.fw.Hardware.StoredChannel, 1);
        EXPECT_EQ(host.fw.Hardware.StoredRecord.FreqKHz, 121000);
        host.fw.Hardware.StoredChannel = -1;
    });
    const auto reopened = OpenScreenAt(host, leave + 20, RunDeviceChannelEditor);
    ExpectAt(leave + 25, [&] { EXPECT_EQ(Shown(), host.db.Table[0]); });  // channel 1 again
    host.TapKey(KeyBitMenu, leave + 30);
    host.RunUntilTick(leave + 40);
    EXPECT_EQ(opened->closedAt, leave);
    EXPECT_EQ(reopened->closedAt, leave + 30);
    EXPECT_EQ(host.fw.Hardware.StoredChannel, -1);  // nothing changed on the second visit
}

}  // namespace
