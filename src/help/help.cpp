#include "help/help.h"

#include <algorithm>

#include "help/help_texts.h"

void Help::AddLine(std::string_view text) {
    if (pane_) pane_->AddLine(text);
}

void Help::ShowTopic(int16_t topic) {
    if (topic == topic_) return;
    topic_ = topic;
    if (pane_) pane_->Clear();
    const auto topics = HelpTopics();
    const auto found =
        std::find_if(topics.begin(), topics.end(), [topic](const HelpTopic& t) { return t.number == topic; });
    if (found == topics.end()) return;
    for (std::string_view line : found->lines) AddLine(line);
}
