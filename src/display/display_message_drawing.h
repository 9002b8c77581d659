#pragma once
#include <cstdint>

#include "display/lcd.h"
#include "message/display_message.h"

// What the drawing of display messages remembers from one message to the
// next: the adjust mode drawn last, 0 at start.
struct DisplayMessageDrawing {
    DisplayAdjustMode PreviousAdjustMode = DisplayAdjustMode::Vol;
};

// Draws a message on `lcd` as the transceiver shows it: row 0 header,
// rows 1-2 both frequencies in double-height digits with the small-zero mark
// for a 25 kHz remainder, row 3 names, row 4 types, row 5 channel labels,
// row 6 the RX or TX banner with its level bar, row 7 the adjust mode line.
// A change of adjust mode clears the LCD first.
void DrawDisplayMessage(Lcd& lcd, DisplayMessageDrawing& drawing, const DisplayMessage& message);
