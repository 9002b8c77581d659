#pragma once
#include <cstdint>
#include <span>
#include <string_view>

// The help texts, fixed in the program.

struct HelpTopic {
    int16_t number;
    std::span<const std::string_view> lines;  // title first; empty lines separate paragraphs
};

// The topic table, in topic order.
std::span<const HelpTopic> HelpTopics();
