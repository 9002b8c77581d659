#include "display/lcd.h"

#include <algorithm>

#include "display/lcd_font.h"

uint16_t LcdX = 0;
uint16_t LcdRow = 0;
std::string LcdText;
bool LcdBigFont = false;
bool LcdInverse = false;

namespace {

LcdSurface* gSurface = nullptr;

constexpr uint16_t kMaxPlotX = 106;
constexpr uint16_t kTextAdvanceCap = 120;
// Clearing covers every column LcdPlot draws, 104 and 105 included: text that
// runs past the display's right edge (a full-width highlight bar, say) lands
// there on the photograph's green window and would otherwise stay for good.
constexpr int kClearWidth = 2 * kMaxPlotX;
constexpr int kClearHeight = 2 * LcdHeight;

// Pixel positions are worked out in int and clipped here: a drawing position
// near the top of its 16-bit range must not wrap around onto the display.
void Plot(int x, int y, bool on) {
    if (x >= kMaxPlotX || y >= LcdHeight) return;
    LcdPlot(static_cast<uint16_t>(x), static_cast<uint16_t>(y), on);
}

void DrawColumns(int x0, const uint8_t* bitmap, int columns) {
    const int top = 8 * LcdRow;
    for (int j = 0; j < columns; ++j)
        for (int k = 0; k < 8; ++k) Plot(x0 + j, top + k, (bitmap[j] >> k) & 1);
}

void DrawCharacter(uint8_t code) {
    const uint8_t* glyph = LcdGlyph(code);
    const int top = 8 * LcdRow;
    for (int j = 0; j < 8; ++j) {
        for (int k = 0; k < 8; ++k) {
            const bool on = (((glyph[j] >> k) & 1) != 0) != LcdInverse;
            if (LcdBigFont) {
                Plot(LcdX + j, top + 2 * k, on);
                Plot(LcdX + j, top + 2 * k + 1, on);
            } else {
                Plot(LcdX + j, top + k, on);
            }
        }
    }
}

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

void LcdAttachSurface(LcdSurface* surface) { gSurface = surface; }

void LcdResetState() {
    LcdX = 0;
    LcdRow = 0;
    LcdText.clear();
    LcdBigFont = false;
    LcdInverse = false;
    gSurface = nullptr;
}

void LcdClear() {
    if (gSurface) gSurface->FillRect(LcdPictureLeft, LcdPictureTop, kClearWidth, kClearHeight, LcdOffColour);
}

void LcdGotoText(uint8_t column, uint8_t row) {
    LcdX = 8 * column;
    LcdRow = row;
}

void LcdGotoPixel(uint8_t x, uint8_t row) {
    LcdX = x;
    LcdRow = row;
}

void LcdPlot(uint16_t x, uint16_t y, bool on) {
    if (x >= kMaxPlotX || y >= LcdHeight || !gSurface) return;
    const uint32_t colour = on ? LcdOnColour : LcdOffColour;
    const int px = LcdPictureLeft + 2 * x;
    const int py = LcdPictureTop + 2 * y;
    gSurface->SetPixel(px, py, colour);
    gSurface->SetPixel(px + 1, py, colour);
    gSurface->SetPixel(px, py + 1, colour);
    gSurface->SetPixel(px + 1, py + 1, colour);
}

void LcdDrawPageRow(const uint8_t* image) { DrawColumns(0, image, LcdWidth); }

void LcdDrawTile(const uint8_t* bitmap) { DrawColumns(LcdX, bitmap, 8); }

void LcdDrawGlyph(const uint8_t* bitmap) {
    LcdDrawTile(bitmap);
    LcdX += 8;
}

void LcdDrawText() {
    for (unsigned char code : LcdText) {
        DrawCharacter(code);
        LcdX = static_cast<uint16_t>(std::min(LcdX + 8, int{kTextAdvanceCap}));
    }
}

void LcdDrawStrip24(const uint8_t*& cursor) {
    DrawColumns(LcdX, cursor, 24);
    cursor += 24;
}

void LcdDrawStrip10(const uint8_t*& cursor) {
    DrawColumns(LcdX, cursor, 10);
    cursor += 10;
}

void LcdDrawStrip24At(const uint8_t* bitmap, uint8_t x, uint8_t row) {
    LcdGotoPixel(x, row);
    LcdDrawStrip24(bitmap);
}

void LcdDrawIcon24(uint8_t x, uint8_t row, const uint8_t* bitmap) {
    for (int band = 0; band < 3; ++band) {
        LcdGotoPixel(x, row + band);
        LcdDrawStrip24(bitmap);
    }
}

void LcdDrawIcon10(const uint8_t* bitmap, uint8_t row) {
    for (int band = 0; band < 3; ++band) {
        LcdGotoPixel(94, row + band);
        LcdDrawStrip10(bitmap);
    }
}

void LcdDrawBar(uint8_t x, uint8_t row, uint16_t value) {
    const uint16_t savedX = LcdX;
    const uint16_t savedRow = LcdRow;
    LcdGotoPixel(x, row);
    bool ended = false;
    for (int i = 0; i < 4; ++i) {
        const BarCell cell = CellOf(value, i);
        LcdDrawGlyph(BarCellGlyphs[ended ? 0 : cell.fill].data());
        if (cell.partial) ended = true;
    }
    LcdDrawGlyph(BarEndGlyph.data());
    LcdX = savedX;
    LcdRow = savedRow;
}

void LcdDrawLevelBar(uint16_t value) {
    const uint8_t row = static_cast<uint8_t>(LcdRow);
    bool ended = false;
    for (int i = 0; i < 8; ++i) {
        const BarCell cell = CellOf(value, i);
        LcdGotoPixel(20 + 8 * i, row);
        LcdDrawTile(ended ? EmptyLevelCellGlyphs[i].data() : LevelCellGlyphs[cell.fill].data());
        if (cell.partial) ended = true;
    }
}

void LcdInit() {}

void LcdApplyContrast() {}
