#pragma once
#include <cstdint>
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
// Back to the state at program start: topic 0, no pane attached.
void HelpResetState();
// Appends one line to the pane; an empty text appends an empty line.
void HelpAddLine(std::string_view text);
