#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "emulator/menus/menu_labels.h"

struct Firmware;

// Drawing helpers shared by the main menu and its items.

// Tabs sit on text row 0 above the MENU key (pixel column 24) and the ACTIVE
// key (pixel column 80); side labels at the right edge next to UP (rows
// 1..3) and DOWN (rows 4..6).
inline constexpr uint8_t MenuTabRow = 0;
inline constexpr uint8_t MenuKeyTabX = 24;
inline constexpr uint8_t ActiveKeyTabX = 80;
inline constexpr uint8_t UpLabelRow = 1;
inline constexpr uint8_t DownLabelRow = 4;

// Text at a character position, small or large, never inverse; leaves
// the big font off.
void DrawTextAt(Firmware& fw, uint8_t column, uint8_t row, std::string_view text, bool big);
// A caption in small text.
void DrawCaption(Firmware& fw, uint8_t column, uint8_t row, std::string_view text);
// Whether an edited value shows blank now: the value blinks at 1 Hz.
bool EditedValueBlank(Firmware& fw);
// A value in large text, or `blankWidth` spaces while it blinks.
void DrawValue(Firmware& fw, uint8_t column, uint8_t row, std::string_view text, std::size_t blankWidth);
// The tab above the ACTIVE key or the MENU key.
void DrawTab(Firmware& fw, const TabPicture& tab, uint8_t x);
// The frame of an item being edited: the BACK tab and the labels saying
// what UP and DOWN do.
void DrawEditFrame(Firmware& fw, const SideLabel& up, const SideLabel& down);
