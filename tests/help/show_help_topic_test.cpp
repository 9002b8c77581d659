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
    RecordingPane pane;
    Help help{&pane};
};

}  // namespace

TEST_F(ShowHelpTopicTest, FillsThePaneWithTheWholeTextEmptyLinesIncluded) {
    help.ShowTopic(1);
    EXPECT_EQ(help.CurrentTopic(), 1);
    ASSERT_EQ(pane.lines.size(), 17u);
    EXPECT_EQ(pane.lines, TextOf(1));
    EXPECT_EQ(pane.lines[1], "");
}

TEST_F(ShowHelpTopicTest, SameTopicAgainKeepsWhatThePaneHolds) {
    help.ShowTopic(2);
    pane.lines.push_back("typed by the user");
    help.ShowTopic(2);
    EXPECT_EQ(pane.clears, 1);
    EXPECT_EQ(pane.lines.size(), TextOf(2).size() + 1);
    EXPECT_EQ(pane.lines.back(), "typed by the user");
}

TEST_F(ShowHelpTopicTest, ChangingTopicRebuildsTheTextEachTime) {
    help.ShowTopic(1);
    help.ShowTopic(2);
    EXPECT_EQ(pane.lines, TextOf(2));
    help.ShowTopic(1);
    EXPECT_EQ(pane.clears, 3);
    EXPECT_EQ(pane.lines, TextOf(1));
    help.ShowTopic(100);
    EXPECT_EQ(pane.lines, TextOf(100));
    EXPECT_EQ(help.CurrentTopic(), 100);
}

TEST_F(ShowHelpTopicTest, TopicZeroEmptiesThePaneButNotAtStart) {
    pane.lines = {"left alone"};
    help.ShowTopic(0);
    EXPECT_EQ(pane.clears, 0);
    EXPECT_THAT(pane.lines, testing::ElementsAre("left alone"));

    help.ShowTopic(5);
    help.ShowTopic(0);
    EXPECT_EQ(help.CurrentTopic(), 0);
    EXPECT_TRUE(pane.lines.empty());
    EXPECT_EQ(pane.clears, 2);
}

TEST_F(ShowHelpTopicTest, SetupLinesWithoutTextLeaveThePaneEmpty) {
    for (int16_t topic = 206; topic <= 212; ++topic) {
        help.ShowTopic(static_cast<int16_t>(topic - 1));
        help.ShowTopic(topic);
        EXPECT_EQ(help.CurrentTopic(), topic);
        EXPECT_TRUE(pane.lines.empty()) << topic;
    }
    help.ShowTopic(-1);
    EXPECT_TRUE(pane.lines.empty());
}

TEST_F(ShowHelpTopicTest, WithoutAPaneOnlyTheTopicIsRemembered) {
    help.AttachPane(nullptr);
    help.ShowTopic(3);
    help.AddLine("lost");
    EXPECT_EQ(help.CurrentTopic(), 3);
    EXPECT_TRUE(pane.lines.empty());
}
