#include "emulator/menus/menu_item_drawing.h"

#include <string>

#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"

void DrawTextAt(uint8_t column, uint8_t row, std::string_view text, bool big) {
    EmulatorLcd().Inverse = false;
    EmulatorLcd().BigFont = big;
    EmulatorLcd().GotoText(column, row);
    EmulatorLcd().DrawText(text);
    EmulatorLcd().BigFont = false;
}

void DrawCaption(uint8_t column, uint8_t row, std::string_view text) { DrawTextAt(column, row, text, false); }

bool EditedValueBlank() { return EmulatorState.MenuEditing && EmulatorState.BlinkPhase; }

void DrawValue(uint8_t column, uint8_t row, std::string_view text, std::size_t blankWidth) {
    if (EditedValueBlank())
        DrawTextAt(column, row, std::string(blankWidth, ' '), true);
    else
        DrawTextAt(column, row, text, true);
}

void DrawTab(const TabPicture& tab, uint8_t x) { EmulatorLcd().DrawStrip24At(tab.data(), x, MenuTabRow); }

void DrawEditFrame(const SideLabel& up, const SideLabel& down) {
    DrawTab(BackTab, MenuKeyTabX);
    EmulatorLcd().DrawIcon10(up.data(), UpLabelRow);
    EmulatorLcd().DrawIcon10(down.data(), DownLabelRow);
}
