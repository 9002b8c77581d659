#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "emulator/runtime/task.h"

struct Firmware;

// One line of the Setup menu: a label drawn as it is (spaces included) and
// operations without arguments or result (select is a coroutine: it may open
// a screen of its own); an absent one (nullptr) is skipped. value gives the value text; select runs on ACTIVE
// while browsing; up and down run while the line is edited.
struct SetupItem {
    const char* label;  // at most 15 characters
    std::string (*value)(Firmware&);
    Task<> (*select)(Firmware&);
    void (*up)(Firmware&);
    void (*down)(Firmware&);
};

inline constexpr uint8_t SetupItemCount = 13;

// In menu order; the index is SetupCursor.
extern const std::array<SetupItem, SetupItemCount> kSetupItems;
