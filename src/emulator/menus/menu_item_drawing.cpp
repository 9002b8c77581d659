#include "emulator/menus/menu_item_drawing.h"

#include <string>

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

void DrawTextAt(Firmware& fw, uint8_t column, uint8_t row, std::string_view text, bool big) {
    fw.Display.Inverse = false;
    fw.Display.BigFont = big;
    fw.Display.GotoText(column, row);
    fw.Display.DrawText(text);
    fw.Display.BigFont = false;
}

void DrawCaption(Firmware& fw, uint8_t column, uint8_t row, std::string_view text) {
    DrawTextAt(fw, column, row, text, false);
}

bool EditedValueBlank(Firmware& fw) { return fw.State.MenuEditing && fw.State.BlinkPhase; }

void DrawValue(Firmware& fw, uint8_t column, uint8_t row, std::string_view text, std::size_t blankWidth) {
    if (EditedValueBlank(fw))
        DrawTextAt(fw, column, row, std::string(blankWidth, ' '), true);
    else
        DrawTextAt(fw, column, row, text, true);
}

void DrawTab(Firmware& fw, const TabPicture& tab, uint8_t x) { fw.Display.DrawStrip24At(tab.data(), x, MenuTabRow); }

void DrawEditFrame(Firmware& fw, const SideLabel& up, const SideLabel& down) {
    DrawTab(fw, BackTab, MenuKeyTabX);
    fw.Display.DrawIcon10(up.data(), UpLabelRow);
    fw.Display.DrawIcon10(down.data(), DownLabelRow);
}
