#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "help/help.h"
#include "help/help_texts.h"

namespace {

struct ExpectedTopic {
    int16_t number;
    const char* title;
    size_t lines;
};

// Topic numbers, titles and line counts the menus and the shell rely on, in table order.
const ExpectedTopic kExpected[] = {
    {1, "Transceiver is simulated.", 17},
    {2, "Select and adjust the microphone noise", 29},
    {3, "Enter the frequency channel database", 6},
    {4, "Adjust display contrast", 10},
    {5, "Adjust the microphone level", 24},
    {6, "Adjust the auxiliary audio input level", 26},
    {7, "Bandpass filter enable/disable", 12},
    {8, "Scanning status at power-on", 15},
    {9, "Pilot and Passenger PTT mode", 13},
    {10, "Setup menu", 9},
    {100, "You are connected to a Qor transceiver", 7},
    {200, "Single or dual transceiver mode", 18},
    {201, "Microphone signal invert", 13},
    {202, "HOT Microphone during transmit", 16},
    {203, "TX lock on active RX", 13},
    {204, "Priority scan on/off", 14},
    {205, "Direct or flip-flop frequency selection", 21},
};

bool Mentions(const HelpTopic& topic, std::string_view word) {
    return std::any_of(topic.lines.begin(), topic.lines.end(),
                       [word](std::string_view line) { return line.find(word) != std::string_view::npos; });
}

}  // namespace

TEST(HelpTexts, TopicsHaveTheirNumbersTitlesAndLineCountsInOrder) {
    const auto topics = HelpTopics();
    ASSERT_EQ(topics.size(), std::size(kExpected));
    for (size_t i = 0; i < topics.size(); ++i) {
        SCOPED_TRACE("topic " + std::to_string(kExpected[i].number));
        EXPECT_EQ(topics[i].number, kExpected[i].number);
        ASSERT_FALSE(topics[i].lines.empty());
        EXPECT_EQ(topics[i].lines.front(), kExpected[i].title);
        EXPECT_EQ(topics[i].lines.size(), kExpected[i].lines);
    }
}

TEST(HelpTexts, LinesAreShortPrintableAsciiAndParagraphsAreTidy) {
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE("topic " + std::to_string(topic.number));
        for (std::string_view line : topic.lines) {
            EXPECT_LE(line.size(), 48u) << line;
            EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) << line;
            EXPECT_TRUE(line.empty() || line.back() != ' ') << "trailing space: " << line;
        }
        ASSERT_GE(topic.lines.size(), 3u);
        EXPECT_NE(topic.lines.back(), "") << "text ends with an empty line";
        for (size_t i = 1; i < topic.lines.size(); ++i)
            EXPECT_FALSE(topic.lines[i].empty() && topic.lines[i - 1].empty()) << "double empty line at " << i;
    }
}

TEST(HelpTexts, MakerIsNamedWhereTheTextsTalkAboutIt) {
    std::vector<int16_t> naming;
    for (const HelpTopic& topic : HelpTopics())
        if (Mentions(topic, "Qor")) naming.push_back(topic.number);
    EXPECT_THAT(naming, testing::ElementsAre(2, 6, 8, 100));
}
