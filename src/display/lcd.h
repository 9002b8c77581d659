#pragma once
#include <cstdint>
#include <string>

#include "display/lcd_surface.h"

// The transceiver's 104 x 64 monochrome display, drawn straight into the
// panel picture. Every primitive but LcdClear goes through LcdPlot, one call
// per display pixel, so LcdPlot's clipping holds for all of them.
// Bitmaps are column bytes: one byte per pixel column of a text row (8 pixel
// rows), bit 0 at the top, a set bit dark.

// Drawing position: pixel column and text row (band of 8 pixel rows).
extern uint16_t LcdX;
extern uint16_t LcdRow;

// Text state read by LcdDrawText; callers fill it, no primitive changes it.
extern std::string LcdText;  // at most 30 single-byte characters
extern bool LcdBigFont;      // double height: 8 columns by 16 pixel rows
extern bool LcdInverse;      // set font bits light, clear bits dark

// Fills the whole display window (picture (64,115)..(273,243) exclusive) with
// green; the drawing position stays.
void LcdClear();
void LcdGotoText(uint8_t column, uint8_t row);
void LcdGotoPixel(uint8_t x, uint8_t row);

// Paints the 2 x 2 picture block of display pixel (x, y). Columns 104 and 105
// still land in the photograph's green window and are drawn; x >= 106 is
// ignored. Rows 64 and beyond would fall on the bezel below the window and are
// ignored as well.
void LcdPlot(uint16_t x, uint16_t y, bool on);

// Draws a whole text row (104 column bytes) at LcdRow; LcdX is ignored.
void LcdDrawPageRow(const uint8_t* image);
// Draws 8 column bytes at (LcdX, LcdRow); the position stays.
void LcdDrawTile(const uint8_t* bitmap);
// As LcdDrawTile, then LcdX += 8 (no limit).
void LcdDrawGlyph(const uint8_t* bitmap);
// Draws LcdText in the font; LcdX advances 8 per character, capped at 120.
void LcdDrawText();
// Draws 24 (or 10) columns at (LcdX, LcdRow), one byte per column taken at the
// cursor, which advances past them.
void LcdDrawStrip24(const uint8_t*& cursor);
void LcdDrawStrip10(const uint8_t*& cursor);
// LcdGotoPixel(x, row), then LcdDrawStrip24 of the 24 bytes.
void LcdDrawStrip24At(const uint8_t* bitmap, uint8_t x, uint8_t row);
// A 24 x 24 icon (72 bytes: top, middle, bottom row) at columns x..x+23 of
// rows row..row+2; leaves the position at (x, row + 2).
void LcdDrawIcon24(uint8_t x, uint8_t row, const uint8_t* bitmap);
// A 10 x 24 side label (30 bytes) at columns 94..103 of rows row..row+2;
// leaves the position at (94, row + 2).
void LcdDrawIcon10(const uint8_t* bitmap, uint8_t row);
// Outlined 4-cell bar with end cap at (x, row): value v fills columns 0..v,
// 32 and more fill it; the drawing position is restored.
void LcdDrawBar(uint8_t x, uint8_t row, uint16_t value);
// The level bar at columns 20..83 of LcdRow inside an inverse banner: value v
// lights columns 20..20+v; leaves LcdX at 76.
void LcdDrawLevelBar(uint16_t value);
// Back to the state at program start: position 0, empty text, small font,
// not inverse, no surface attached.
void LcdResetState();
// Contrast and initialisation hooks of the real display; no effect on the picture.
void LcdInit();
void LcdApplyContrast();
