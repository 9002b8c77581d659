#pragma once
#include <array>
#include <cstdint>

#include "emulator/runtime/task.h"

struct Firmware;

// One item of the main menu: operations without arguments or result (select
// is a coroutine: it may open a screen of its own). Only
// draw is always there; an absent operation (nullptr) is skipped. An item
// with an edit frame is edited in place: ACTIVE enters editing, UP and DOWN
// then run up and down, ACTIVE runs select. Without an edit frame ACTIVE
// runs select at once.
struct MenuItem {
    void (*draw)(Firmware&);  // icon, captions, value and bars
    Task<> (*select)(Firmware&);
    void (*up)(Firmware&);
    void (*down)(Firmware&);
    void (*editFrame)(Firmware&);  // BACK tab and side labels while editing
};

inline constexpr uint8_t MainMenuItemCount = 9;

// In menu order; the index is MenuCursor.
extern const std::array<MenuItem, MainMenuItemCount> kMainMenuItems;
