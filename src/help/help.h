#pragma once
#include <cstdint>
#include <span>
#include <string_view>

// The help pane beside the panel: fixed texts chosen by topic number.

// Where the texts go; the shell backs it with the window's text pane.
class HelpPane {
public:
    virtual ~HelpPane() = default;
    virtual void Clear() = 0;
    virtual void AddLine(std::string_view text) = 0;
};

void HelpAttachPane(HelpPane* pane);

// The topic shown; 0 at start, when the pane is empty.
extern int16_t CurrentHelpTopic;

// Shows a topic's text; asking for the topic already shown changes nothing,
// a topic without text leaves the pane empty.
void ShowHelpTopic(int16_t topic);
// Appends one line to the pane; an empty text appends an empty line.
void HelpAddLine(std::string_view text);

struct HelpTopic {
    int16_t number;
    std::span<const std::string_view> lines;  // title first; empty lines separate paragraphs
};

// The topic table, in topic order.
std::span<const HelpTopic> HelpTopics();
