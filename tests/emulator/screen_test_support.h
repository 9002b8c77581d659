#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "display/lcd.h"
#include "display/lcd_font.h"
#include "emulator/runtime/emulator_state.h"
#include "support/scratch_display.h"
#include "support/scripted_host.h"

// The screens the menus open are tested without the menus. An action of the
// scripted host opens one while the main screen's key loop waits: the screen
// runs in place of that wait on the same scripted clock, as it does under the
// menus. MenuActive is set meanwhile, as
// the main menu sets it, so the main screen's status row stays off the screen.
// closedAt is the tick whose key ended the screen (0 while it is open).
struct OpenedScreen {
    uint32_t closedAt = 0;
};

inline std::shared_ptr<OpenedScreen> OpenScreenAt(ScriptedHost& host, uint32_t tick, Task<> (*screen)(Firmware&)) {
    auto opened = std::make_shared<OpenedScreen>();
    host.At(tick, [&host, opened, screen] {
        host.fw.State.MenuActive = true;
        host.OpenScreen(screen(host.fw), [&host, opened] {
            host.fw.State.MenuActive = false;
            opened->closedAt = host.Tick();
        });
    });
    return opened;
}

// Text art of the character cells [column, column + columns) of text rows
// [row, row + rows): '#' dark, '.' green.
inline std::string CellArt(const LcdFrame& frame, int column, int columns, int row, int rows) {
    std::string art;
    for (int y = 8 * row; y < 8 * (row + rows); ++y) {
        for (int x = 8 * column; x < 8 * (column + columns); ++x) art += frame.On(x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

// How a text looks drawn from column 0 of a text row of an empty display:
// the art of the whole row (two rows in large text). Drawn on a scratch
// display.
inline std::string TextArt(const std::string& text, int row, bool big, bool inverse = false) {
    ScratchDisplay scratch;
    scratch.lcd.BigFont = big;
    scratch.lcd.Inverse = inverse;
    scratch.lcd.GotoText(0, static_cast<uint8_t>(row));
    scratch.lcd.DrawText(text);
    return CellArt(scratch.frame, 0, LcdWidth / 8, row, big ? 2 : 1);
}

// The glyph of a character code as the art of one cell drawn in small text.
inline std::string GlyphArt(uint8_t code) {
    const uint8_t* glyph = LcdGlyph(code);
    std::string art;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) art += (glyph[x] >> y) & 1 ? '#' : '.';
        art += '\n';
    }
    return art;
}
