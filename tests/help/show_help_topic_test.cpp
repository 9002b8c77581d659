#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "help/help.h"
#include "help/help_texts.h"

namespace {

// Keeps what a text pane would show, and counts how often it was cleared.
class RecordingPane : public HelpPane {
public:
    void Clear() override {
        lines.clear();
        ++clears;
    }
    void AddLine(std::string_view text) override { lines.emplace_back(text); }

    std::vector<std::string> lines;
    int clears = 0;
};

std::vector<std::string> TextOf(int16_t number) {
    const auto topics = HelpTopics();
    const auto found =
        std::find_if(topics.begin(), topics.end(), [number](const HelpTopic& t) { return t.number == number; });
    if (found == topics.end()) return {};
    return {found->lines.begin(), found->lines.end()};
}

class ShowHelpTopicTest : public testing::Test {
protected:
    void SetUp() override { HelpAttachPane(&pane); }
    void TearDown() override { HelpAttachPane(nullptr); }

    RecordingPane pane;
};

}  // namespace

TEST_F(ShowHelpTopicTest, FillsThePaneWithTheWholeTextEmptyLinesIncluded) {
    ShowHelpTopic(1);
    EXPECT_EQ(CurrentHelpTopic, 1);
    ASSERT_EQ(pane.lines.size(), 17u);
    EXPECT_EQ(pane.lines, TextOf(1));
    EXPECT_EQ(pane.lines[1], "");
}

TEST_F(ShowHelpTopicTest, SameTopicAgainKeepsWhatThePaneHolds) {
    ShowHelpTopic(2);
    pane.lines.push_back("typed by the user");
    ShowHelpTopic(2);
    EXPECT_EQ(pane.clears, 1);
    EXPECT_EQ(pane.lines.size(), TextOf(2).size() + 1);
    EXPECT_EQ(pane.lines.back(), "typed by the user");
}

TEST_F(ShowHelpTopicTest, ChangingTopicRebuildsTheTextEachTime) {
    ShowHelpTopic(1);
    ShowHelpTopic(2);
    EXPECT_EQ(pane.lines, TextOf(2));
    ShowHelpTopic(1);
    EXPECT_EQ(pane.clears, 3);
    EXPECT_EQ(pane.lines, TextOf(1));
    ShowHelpTopic(100);
    EXPECT_EQ(pane.lines, TextOf(100));
    EXPECT_EQ(CurrentHelpTopic, 100);
}

TEST_F(ShowHelpTopicTest, TopicZeroEmptiesThePaneButNotAtStart) {
    pane.lines = {"left alone"};
    ShowHelpTopic(0);
    EXPECT_EQ(pane.clears, 0);
    EXPECT_THAT(pane.lines, testing::ElementsAre("left alone"));

    ShowHelpTopic(5);
    ShowHelpTopic(0);
    EXPECT_EQ(CurrentHelpTopic, 0);
    EXPECT_TRUE(pane.lines.empty());
    EXPECT_EQ(pane.clears, 2);
}

TEST_F(ShowHelpTopicTest, SetupLinesWithoutTextLeaveThePaneEmpty) {
    for (int16_t topic = 206; topic <= 212; ++topic) {
        ShowHelpTopic(static_cast<int16_t>(topic - 1));
        ShowHelpTopic(topic);
        EXPECT_EQ(CurrentHelpTopic, topic);
        EXPECT_TRUE(pane.lines.empty()) << topic;
    }
    ShowHelpTopic(-1);
    EXPECT_TRUE(pane.lines.empty());
}

TEST_F(ShowHelpTopicTest, WithoutAPaneOnlyTheTopicIsRemembered) {
    HelpAttachPane(nullptr);
    ShowHelpTopic(3);
    HelpAddLine("lost");
    EXPECT_EQ(CurrentHelpTopic, 3);
    EXPECT_TRUE(pane.lines.empty());
}
