#include "display/lcd.h"

#include <algorithm>

#include "display/lcd_font.h"

namespace {

constexpr uint16_t kTextAdvanceCap = 120;

// Cell i of a bar: full (r = 7) while value reaches past it, else partial
// with r = value mod 8, the last cell with content.
struct BarCell {
    int fill;
    bool partial;
};

BarCell CellOf(uint16_t value, int i) {
    if (value < 8 * (i + 1)) return {value % 8, true};
    return {7, false};
}

}  // namespace

// Pixel positions are worked out in int and clipped here: a drawing position
// near the top of its 16-bit range must not wrap around onto the display.
void Lcd::PlotClipped(int x, int y, bool on) {
    if (x >= LcdFrame::Width || y >= LcdFrame::Height) return;
    frame_.Set(x, y, on);
}

void Lcd::DrawColumns(int x0, const uint8_t* bitmap, int columns) {
    const int top = 8 * Row;
    for (int j = 0; j < columns; ++j)
        for (int k = 0; k < 8; ++k) PlotClipped(x0 + j, top + k, (bitmap[j] >> k) & 1);
}

void Lcd::DrawCharacter(uint8_t code) {
    const uint8_t* glyph = LcdGlyph(code);
    const int top = 8 * Row;
    for (int j = 0; j < 8; ++j) {
        for (int k = 0; k < 8; ++k) {
            const bool on = (((glyph[j] >> k) & 1) != 0) != Inverse;
            if (BigFont) {
                PlotClipped(X + j, top + 2 * k, on);
                PlotClipped(X + j, top + 2 * k + 1, on);
            } else {
                PlotClipped(X + j, top + k, on);
            }
        }
    }
}

void Lcd::GotoText(uint8_t column, uint8_t row) {
    X = 8 * column;
    Row = row;
}

void Lcd::GotoPixel(uint8_t x, uint8_t row) {
    X = x;
    Row = row;
}

void Lcd::Plot(uint16_t x, uint16_t y, bool on) { PlotClipped(x, y, on); }

void Lcd::DrawPageRow(const uint8_t* image) { DrawColumns(0, image, LcdWidth); }

void Lcd::DrawTile(const uint8_t* bitmap) { DrawColumns(X, bitmap, 8); }

void Lcd::DrawGlyph(const uint8_t* bitmap) {
    DrawTile(bitmap);
    X += 8;
}

void Lcd::DrawText(std::string_view text) {
    for (unsigned char code : text) {
        DrawCharacter(code);
        X = static_cast<uint16_t>(std::min(X + 8, int{kTextAdvanceCap}));
    }
}

void Lcd::DrawStrip24(const uint8_t*& cursor) {
    DrawColumns(X, cursor, 24);
    cursor += 24;
}

void Lcd::DrawStrip10(const uint8_t*& cursor) {
    DrawColumns(X, cursor, 10);
    cursor += 10;
}

void Lcd::DrawStrip24At(const uint8_t* bitmap, uint8_t x, uint8_t row) {
    GotoPixel(x, row);
    DrawStrip24(bitmap);
}

void Lcd::DrawIcon24(uint8_t x, uint8_t row, const uint8_t* bitmap) {
    for (int band = 0; band < 3; ++band) {
        GotoPixel(x, row + band);
        DrawStrip24(bitmap);
    }
}

void Lcd::DrawIcon10(const uint8_t* bitmap, uint8_t row) {
    for (int band = 0; band < 3; ++band) {
        GotoPixel(94, row + band);
        DrawStrip10(bitmap);
    }
}

void Lcd::DrawBar(uint8_t x, uint8_t row, uint16_t value) {
    const uint16_t savedX = X;
    const uint16_t savedRow = Row;
    GotoPixel(x, row);
    bool ended = false;
    for (int i = 0; i < 4; ++i) {
        const BarCell cell = CellOf(value, i);
        DrawGlyph(BarCellGlyphs[ended ? 0 : cell.fill].data());
        if (cell.partial) ended = true;
    }
    DrawGlyph(BarEndGlyph.data());
    X = savedX;
    Row = savedRow;
}

void Lcd::DrawLevelBar(uint16_t value) {
    const uint8_t row = static_cast<uint8_t>(Row);
    bool ended = false;
    for (int i = 0; i < 8; ++i) {
        const BarCell cell = CellOf(value, i);
        GotoPixel(20 + 8 * i, row);
        DrawTile(ended ? EmptyLevelCellGlyphs[i].data() : LevelCellGlyphs[cell.fill].data());
        if (cell.partial) ended = true;
    }
}
