#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/screens/readings_screens.h"
#include "emulator/screens/receiver_sweeps.h"
#include "emulator/screens/transmitter_sweep.h"
#include "screen_test_support.h"
#include "support/screen_art.h"

// The service screens, opened from a scripted action once the main screen is
// up (see screen_test_support.h). Tick 200 is a refresh tick.

namespace {

constexpr uint32_t kOpen = 200;
constexpr int32_t kNormalSynthesizer = 123450 + ReceiverOffsetKHz;

// (tick, value) whenever the value changed; the tick is the last one processed
// when it changed, so a change by an action scheduled for tick t counts as t - 1.
using Trace = std::vector<std::pair<uint32_t, long>>;

std::shared_ptr<Trace> TraceChanges(ScriptedHost& host, std::function<long()> value, uint32_t from) {
    auto trace = std::make_shared<Trace>();
    auto last = std::make_shared<long>(value());
    host.EachTick([=, &host](uint32_t tick) {
        const long now = value();
        if (tick > from && now != *last) trace->emplace_back(tick - 1, now);
        *last = now;
    });
    return trace;
}

std::vector<long> Values(const Trace& trace) {
    std::vector<long> values;
    for (const auto& [tick, value] : trace) values.push_back(value);
    return values;
}

std::vector<uint32_t> Gaps(const Trace& trace) {
    std::vector<uint32_t> gaps;
    for (std::size_t i = 1; i < trace.size(); ++i) gaps.push_back(trace[i].first - trace[i - 1].first);
    return gaps;
}

class ServiceScreensTest : public ::testing::Test {
protected:
    ScriptedHost host;

    long Synthesizer() const { return host.fw.Hardware.SynthesizerKHz; }
    bool TransmitEnabled() const { return (host.fw.Hardware.Outputs & PathTransmitEnable) != 0; }
    // The large-text line of `rows` 2i and 2i + 1 as it is shown now.
    std::string ShownLine(int row) { return CellArt(host.Frame(), 0, 13, row, 2); }
};

// --- Readings screens -------------------------------------------------------

TEST_F(ServiceScreensTest, Adc1ShowsTheReadingsWithTheSignalLevelOfTheTunedFrequency) {
    host.activeSlider = 281;  // RxLevel 270
    host.standbySlider = 0;   // not the frequency being received
    OpenScreenAt(host, kOpen, RunReadingsScreen1);
    host.At(kOpen + 5, [&] { EXPECT_TRUE(MatchesGolden(host.Frame(), "service_adc1")); });
    host.RunUntilTick(kOpen + 6);
}

TEST_F(ServiceScreensTest, Adc1FollowsTheSliderOnTheNextRefreshOnly) {
    const std::string top = TextArt("Srx:551", 2, true);
    const std::string bottom = TextArt("Srx:180", 2, true);
    OpenScreenAt(host, kOpen, RunReadingsScreen1);
    host.At(kOpen + 5, [&] { EXPECT_EQ(ShownLine(2), bottom); });
    host.SetActiveSlider(0, kOpen + 10);
    host.At(kOpen + 25, [&] { EXPECT_EQ(ShownLine(2), bottom); });  // the refresh of tick 225 not yet run
    host.At(kOpen + 26, [&] { EXPECT_EQ(ShownLine(2), top); });
    host.SetActiveSlider(371, kOpen + 30);
    host.At(kOpen + 51, [&] { EXPECT_EQ(ShownLine(2), bottom); });
    host.RunUntilTick(kOpen + 52);
}

TEST_F(ServiceScreensTest, AShorterReadingLeavesNoDigitsOfTheLongerOne) {
    const std::string wide = TextArt("Vin:12345", 0, true);
    const std::string zero = TextArt("Vin:0", 0, true);
    OpenScreenAt(host, kOpen, RunReadingsScreen1);
    host.At(kOpen + 10, [&] { host.fw.State.VinReading = 12345; });
    host.At(kOpen + 26, [&] { EXPECT_EQ(ShownLine(0), wide); });
    host.At(kOpen + 30, [&] { host.fw.State.VinReading = 0; });
    host.At(kOpen + 51, [&] { EXPECT_EQ(ShownLine(0), zero); });
    host.RunUntilTick(kOpen + 52);
}

TEST_F(ServiceScreensTest, Adc2ShowsTheOffsetPresetAndZeroForTheUnfedReadings) {
    OpenScreenAt(host, kOpen, RunReadingsScreen2);
    host.At(kOpen + 5, [&] { EXPECT_TRUE(MatchesGolden(host.Frame(), "service_adc2")); });
    host.RunUntilTick(kOpen + 6);
}

TEST_F(ServiceScreensTest, Adc2ShowsTheSignedReadingsWithTheirSign) {
    const std::string minusOne = TextArt("Stn:-1", 0, true);
    const std::string minusMost = TextArt("AudL:-32768", 2, true);
    OpenScreenAt(host, kOpen, RunReadingsScreen2);
    host.At(kOpen + 10, [&] {
        host.fw.State.Stn2Reading = -1;
        host.fw.State.AudLReading = -32768;
    });
    host.At(kOpen + 26, [&] {
        EXPECT_EQ(ShownLine(0), minusOne);
        EXPECT_EQ(ShownLine(2), minusMost);
    });
    host.RunUntilTick(kOpen + 27);
}

TEST(ServiceScreenKeysTest, AnyKeyEndsAReadingsScreen) {
    const std::pair<uint8_t, Task<> (*)(Firmware&)> cases[] = {{KeyBitVolSq, RunReadingsScreen1},
                                                               {KeyBitMenu, RunReadingsScreen2}};
    for (const auto& [key, screen] : cases) {
        ScriptedHost host;
        auto opened = OpenScreenAt(host, kOpen, screen);
        host.TapKey(key, kOpen + 40);
        host.RunUntilTick(kOpen + 50);
        EXPECT_EQ(opened->closedAt, kOpen + 40);
    }
}

// --- Receiver step test -----------------------------------------------------

TEST_F(ServiceScreensTest, ReceiverStepTestSweeps112To142MHzInTwoMegahertzStepsOneSecondEach) {
    std::map<std::string, std::string> textOfArt;  // every candidate, 144.00 included
    for (int mhz = 112; mhz <= 144; mhz += 2) {
        const std::string text = "RX: " + std::to_string(mhz) + ".00";
        textOfArt[TextArt(text, 1, true)] = text;
    }
    auto texts = std::make_shared<std::vector<std::string>>();
    host.EachTick([&, texts](uint32_t) {
        auto it = textOfArt.find(ShownLine(1));
        if (it != textOfArt.end() && (texts->empty() || texts->back() != it->second)) texts->push_back(it->second);
    });
    auto synthesizer = TraceChanges(
        host, [&] { return Synthesizer(); }, kOpen - 20);
    auto opened = OpenScreenAt(host, kOpen - 10, RunReceiverStepTest);
    host.TapKey(KeyBitUp, 1000);
    host.RunUntilTick(1010);

    std::vector<std::string> expectedTexts;
    std::vector<long> expectedSynthesizer;
    for (int mhz = 112; mhz <= 142; mhz += 2) {
        expectedTexts.push_back("RX: " + std::to_string(mhz) + ".00");
        expectedSynthesizer.push_back(mhz * 1000 + ReceiverOffsetKHz);
    }
    expectedTexts.push_back("RX: 112.00");
    expectedSynthesizer.push_back(112000 + ReceiverOffsetKHz);
    expectedSynthesizer.push_back(kNormalSynthesizer);  // retuned on exit
    EXPECT_EQ(*texts, expectedTexts);
    EXPECT_EQ(Values(*synthesizer), expectedSynthesizer);
    // Opened 10 ticks before the refresh of tick 200: the first frequency
    // stays until the refresh after that, every other one two refreshes.
    ASSERT_EQ(synthesizer->size(), 18u);
    EXPECT_EQ(synthesizer->front().first, kOpen - 11);
    EXPECT_EQ((*synthesizer)[1].first, kOpen + 25);
    const std::vector<uint32_t> gaps = Gaps(*synthesizer);
    EXPECT_EQ(std::vector<uint32_t>(gaps.begin() + 1, gaps.end() - 1), std::vector<uint32_t>(15, 50));
    EXPECT_EQ(opened->closedAt, 1000u);
    EXPECT_EQ(host.fw.State.TunedFreq, 123450);
    EXPECT_FALSE(TransmitEnabled());
}

// --- Receiver scan test -----------------------------------------------------

TEST_F(ServiceScreensTest, ScanTestSkipsAFrequencyWithoutSignalAfterFiveTicks) {
    const std::string first = TextArt("RX: 112.00", 1, true);
    const std::string second = TextArt("RX: 112.05", 1, true);
    auto synthesizer = TraceChanges(
        host, [&] { return Synthesizer(); }, kOpen - 10);
    OpenScreenAt(host, kOpen, RunReceiverScanTest);
    host.At(kOpen + 2, [&] { EXPECT_EQ(ShownLine(1), first); });
    host.At(kOpen + 7, [&] { EXPECT_EQ(ShownLine(1), second); });
    host.TapKey(KeyBitDown, kOpen + 30);
    host.RunUntilTick(kOpen + 40);
    const std::vector<long> expected = {
        112000 + ReceiverOffsetKHz, 112050 + ReceiverOffsetKHz, 112100 + ReceiverOffsetKHz, 112150 + ReceiverOffsetKHz,
        112200 + ReceiverOffsetKHz, 112250 + ReceiverOffsetKHz, 112300 + ReceiverOffsetKHz, kNormalSynthesizer};
    EXPECT_EQ(Values(*synthesizer), expected);
    EXPECT_EQ(Gaps(*synthesizer), (std::vector<uint32_t>{5, 5, 5, 5, 5, 5, 1}));
    EXPECT_EQ(host.fw.State.TunedFreq, 123450);
}

TEST_F(ServiceScreensTest, ScanTestHoldsAFrequencyWithSignalForOneHundredTicks) {
    host.activeSlider = 0;  // RxLevel 551, above the default threshold of 524
    auto synthesizer = TraceChanges(
        host, [&] { return Synthesizer(); }, kOpen - 10);
    OpenScreenAt(host, kOpen, RunReceiverScanTest);
    host.SetActiveSlider(371, 440);  // the signal goes: the third frequency is left at once
    host.TapKey(KeyBitMenu, 460);
    host.RunUntilTick(470);
    const Trace expected = {{kOpen - 1, 112000 + ReceiverOffsetKHz},   {kOpen + 99, 112050 + ReceiverOffsetKHz},
                            {kOpen + 199, 112100 + ReceiverOffsetKHz}, {440, 112150 + ReceiverOffsetKHz},
                            {445, 112200 + ReceiverOffsetKHz},         {450, 112250 + ReceiverOffsetKHz},
                            {455, 112300 + ReceiverOffsetKHz},         {460, kNormalSynthesizer}};
    EXPECT_EQ(*synthesizer, expected);
}

TEST_F(ServiceScreensTest, ScanTestWith25kHzStepsMarksEverySecondChannelWithTheSmallZero) {
    const std::string mark = GlyphArt(SmallDigitZeroCode);
    const std::string blank = GlyphArt(' ');
    auto marks = std::make_shared<std::vector<std::string>>();
    auto synthesizer = TraceChanges(
        host, [&] { return Synthesizer(); }, kOpen - 10);
    host.EachTick([&, marks, synthesizer](uint32_t tick) {
        if (synthesizer->empty() || synthesizer->back().first != tick - 1 || tick >= kOpen + 30) return;
        const std::string cell = CellArt(host.Frame(), 10, 1, 1, 1);
        marks->push_back(cell == mark ? "mark" : cell == blank ? "blank" : "other");
    });
    host.At(kOpen - 1, [&] { host.fw.State.Step25 = true; });
    OpenScreenAt(host, kOpen, RunReceiverScanTest);
    host.TapKey(KeyBitUp, kOpen + 30);
    host.RunUntilTick(kOpen + 40);
    const std::vector<long> expected = {
        112000 + ReceiverOffsetKHz, 112020 + ReceiverOffsetKHz, 112050 + ReceiverOffsetKHz, 112070 + ReceiverOffsetKHz,
        112100 + ReceiverOffsetKHz, 112120 + ReceiverOffsetKHz, 112150 + ReceiverOffsetKHz, kNormalSynthesizer};
    EXPECT_EQ(Values(*synthesizer), expected);
    EXPECT_EQ(*marks, (std::vector<std::string>{"blank", "mark", "blank", "mark", "blank", "mark"}));
}

// --- Transmitter step test --------------------------------------------------

TEST_F(ServiceScreensTest, TransmitterStepTestGivesEachFrequencyThreeTicksTheFirstWithTheEnableLineOn) {
    const std::string first = TextArt("TX: 11200", 0, true);
    const std::string last = TextArt("TX: 14200", 0, true);
    auto synthesizer = TraceChanges(
        host, [&] { return Synthesizer(); }, kOpen - 10);
    auto enabledTicks = std::make_shared<std::vector<uint32_t>>();
    host.EachTick([&, enabledTicks](uint32_t tick) {
        if (TransmitEnabled()) enabledTicks->push_back(tick - 1);
    });
    host.At(kOpen + 1, [&] { EXPECT_EQ(ShownLine(0), first); });
    host.At(kOpen + 46, [&] { EXPECT_EQ(ShownLine(0), last); });
    auto opened = OpenScreenAt(host, kOpen, RunTransmitterStepTest);
    host.TapKey(KeyBitVolSq, kOpen + 50);  // the third tick of the second 11200
    host.RunUntilTick(kOpen + 60);

    std::vector<long> expected;
    for (int f = 11200; f <= 14200; f += 200) expected.push_back(10 * f);
    expected.push_back(112000);
    expected.push_back(kNormalSynthesizer);
    EXPECT_EQ(Values(*synthesizer), expected);
    EXPECT_EQ(Gaps(*synthesizer), std::vector<uint32_t>(17, 3));
    std::vector<uint32_t> onTicks;
    for (uint32_t tick = kOpen; tick <= kOpen + 48; tick += 3) onTicks.push_back(tick);
    EXPECT_EQ(*enabledTicks, onTicks);
    EXPECT_EQ(opened->closedAt, kOpen + 50);
}

TEST_F(ServiceScreensTest, LeavingTheTransmitterTestWhileTheEnableLineIsOnSwitchesItOff) {
    auto opened = OpenScreenAt(host, kOpen, RunTransmitterStepTest);
    host.At(kOpen + 4, [&] { EXPECT_TRUE(TransmitEnabled()); });  // on since tick 203
    host.TapKey(KeyBitDown, kOpen + 4);
    host.RunUntilTick(kOpen + 10);
    EXPECT_EQ(opened->closedAt, kOpen + 4);
    EXPECT_FALSE(TransmitEnabled());
    EXPECT_EQ(host.fw.Hardware.SynthesizerKHz, kNormalSynthesizer);
}

}  // namespace
