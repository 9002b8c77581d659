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

// The topic shown and the pane it is shown in. Without a pane the topic is
// still followed, so that a pane attached later starts from it.
class Help {
public:
    explicit Help(HelpPane* pane = nullptr) : pane_(pane) {}

    void AttachPane(HelpPane* pane) { pane_ = pane; }

    // Shows a topic's text; asking for the topic already shown changes
    // nothing, a topic without text leaves the pane empty.
    void ShowTopic(int16_t topic);
    // Appends one line to the pane; an empty text appends an empty line.
    void AddLine(std::string_view text);
    // The topic shown; 0 at start, when the pane is empty.
    int16_t CurrentTopic() const { return topic_; }

private:
    HelpPane* pane_;
    int16_t topic_ = 0;
};
