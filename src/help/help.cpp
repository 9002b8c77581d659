#include "help/help.h"

#include <algorithm>

#include "help/help_texts.h"

int16_t CurrentHelpTopic = 0;

namespace {
HelpPane* gPane = nullptr;
}

void HelpAttachPane(HelpPane* pane) { gPane = pane; }

void HelpResetState() {
    CurrentHelpTopic = 0;
    gPane = nullptr;
}

void HelpAddLine(std::string_view text) {
    if (gPane) gPane->AddLine(text);
}

void ShowHelpTopic(int16_t topic) {
    if (topic == CurrentHelpTopic) return;
    CurrentHelpTopic = topic;
    if (gPane) gPane->Clear();
    const auto topics = HelpTopics();
    const auto found =
        std::find_if(topics.begin(), topics.end(), [topic](const HelpTopic& t) { return t.number == topic; });
    if (found == topics.end()) return;
    for (std::string_view line : found->lines) HelpAddLine(line);
}
