#include "display/lcd.h"

#include <algorithm>
#include <array>
#include <cassert>

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

// The 4 bits of each nibble, doubled: bit k lights bits 2k and 2k + 1.
constexpr std::array<uint8_t, 16> kDoubledNibbles = [] {
    std::array<uint8_t, 16> doubled{};
    for (unsigned nibble = 0; nibble < 16; ++nibble)
        for (unsigned k = 0; k < 4; ++k)
            if ((nibble >> k) & 1) doubled[nibble] = static_cast<uint8_t>(doubled[nibble] | (3u << (2 * k)));
    return doubled;
}();

uint8_t DoubledNibble(unsigned nibble) { return kDoubledNibbles[nibble]; }

}  // namespace

// Pixel positions are worked out in int and clipped here: a drawing position
// near the top of its 16-bit range must not wrap around onto the display.
void Lcd::PlotClipped(int x, int y, bool on) {
    if (x >= LcdFrame::Width || y >= LcdFrame::Height) return;
    drawnBands_ = static_cast<uint8_t>(drawnBands_ | 1u << (y / 8));
    frame_.Set(x, y, on);
}

// Column bytes land on whole bands, Row being a text row: each is one write.
void Lcd::ColumnClipped(int x, int band, uint8_t bits) {
    if (x >= LcdFrame::Width || band >= LcdFrame::Bands) return;
    drawnBands_ = static_cast<uint8_t>(drawnBands_ | 1u << band);
    frame_.SetColumn(x, band, bits);
}

void Lcd::DrawColumns(int x0, const uint8_t* bitmap, int columns) {
    for (int j = 0; j < columns; ++j) ColumnClipped(x0 + j, Row, bitmap[j]);
}

void Lcd::DrawCharacter(uint8_t code) {
    const uint8_t* glyph = LcdGlyph(code);
    const uint8_t flip = Inverse ? 0xFF : 0x00;
    for (int j = 0; j < 8; ++j) {
        const auto bits = static_cast<uint8_t>(glyph[j] ^ flip);
        if (BigFont) {
            // Double height: each font row covers two pixel rows, the top
            // four in this band and the bottom four in the next.
            ColumnClipped(X + j, Row, DoubledNibble(bits & 0x0F));
            ColumnClipped(X + j, Row + 1, DoubledNibble(bits >> 4));
        } else {
            ColumnClipped(X + j, Row, bits);
        }
    }
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
    // The status row draws its bar on every tick: the same bar on a frame
    // that has not changed since would change no pixel.
    const LevelBarDrawn drawn{row, value, frame_.Revision()};
    if (lastLevelBar_ == drawn) {
        GotoPixel(20 + 8 * 7, row);
        return;
    }
    bool ended = false;
    for (int i = 0; i < 8; ++i) {
        const BarCell cell = CellOf(value, i);
        GotoPixel(20 + 8 * i, row);
        DrawTile(ended ? EmptyLevelCellGlyphs[i].data() : LevelCellGlyphs[cell.fill].data());
        if (cell.partial) ended = true;
    }
    lastLevelBar_ = {row, value, frame_.Revision()};
}

LcdPen Lcd::Pen() const { return {X, Row, BigFont, Inverse}; }

void Lcd::SetPen(const LcdPen& pen) {
    X = pen.x;
    Row = pen.row;
    BigFont = pen.bigFont;
    Inverse = pen.inverse;
}

bool Lcd::BeginField(uint8_t field, const FieldInputs& inputs) {
    assert(field < FieldCount);
    FieldMemo& memo = fields_[field];
    if (memo.Shown(frame_, inputs, Pen())) {
        SetPen(memo.end);
        return false;
    }
    memo.drawn = false;
    memo.inputs = inputs;
    memo.start = Pen();
    openField_ = field;
    drawnBands_ = 0;
    return true;
}

void Lcd::EndField() {
    FieldMemo& memo = fields_[openField_];
    memo.bands = drawnBands_;
    memo.TakeRevisions(frame_);
    memo.end = Pen();
    memo.drawn = true;
}
