#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "display/field_memo.h"
#include "display/lcd_frame.h"

// Draws on the transceiver's display as its firmware does: a drawing position
// and a text style, and primitives that draw into a frame. The primitives
// draw whole column bytes of a text row; columns from 106 on and rows below
// the display are clipped.
// Bitmaps are column bytes: one byte per pixel column of a text row (8 pixel
// rows), bit 0 at the top, a set bit dark.
class Lcd {
public:
    explicit Lcd(LcdFrame& frame) : frame_(frame) {}
    Lcd(const Lcd&) = delete;
    Lcd& operator=(const Lcd&) = delete;

    LcdFrame& Frame() { return frame_; }
    const LcdFrame& Frame() const { return frame_; }

    // Drawing position: pixel column and text row (band of 8 pixel rows).
    uint16_t X = 0;
    uint16_t Row = 0;
    // Text style read by DrawText; no primitive changes it.
    bool BigFont = false;  // double height: 8 columns by 16 pixel rows
    bool Inverse = false;  // set font bits light, clear bits dark

    // Clears the whole frame, columns 104 and 105 included; the position stays.
    void Clear() { frame_.Clear(); }
    void GotoText(uint8_t column, uint8_t row) {
        X = 8 * column;
        Row = row;
    }
    void GotoPixel(uint8_t x, uint8_t row) {
        X = x;
        Row = row;
    }

    // Sets display pixel (x, y). Columns 104 and 105 are drawn (they show on
    // the photograph's green window); x >= 106 and rows 64 and beyond are
    // ignored.
    void Plot(uint16_t x, uint16_t y, bool on);

    // Draws a whole text row (104 column bytes) at Row; X is ignored.
    void DrawPageRow(const uint8_t* image);
    // Draws 8 column bytes at (X, Row); the position stays.
    void DrawTile(const uint8_t* bitmap);
    // As DrawTile, then X += 8 (no limit).
    void DrawGlyph(const uint8_t* bitmap);
    // Draws at most 30 single-byte characters in the font; X advances 8 per
    // character, capped at 120.
    void DrawText(std::string_view text);
    // Draws 24 (or 10) columns at (X, Row), one byte per column taken at the
    // cursor, which advances past them.
    void DrawStrip24(const uint8_t*& cursor);
    void DrawStrip10(const uint8_t*& cursor);
    // GotoPixel(x, row), then DrawStrip24 of the 24 bytes.
    void DrawStrip24At(const uint8_t* bitmap, uint8_t x, uint8_t row);
    // A 24 x 24 icon (72 bytes: top, middle, bottom row) at columns x..x+23 of
    // rows row..row+2; leaves the position at (x, row + 2).
    void DrawIcon24(uint8_t x, uint8_t row, const uint8_t* bitmap);
    // A 10 x 24 side label (30 bytes) at columns 94..103 of rows row..row+2;
    // leaves the position at (94, row + 2).
    void DrawIcon10(const uint8_t* bitmap, uint8_t row);
    // Outlined 4-cell bar with end cap at (x, row): value v fills columns 0..v,
    // 32 and more fill it; the drawing position is restored.
    void DrawBar(uint8_t x, uint8_t row, uint16_t value);
    // The level bar at columns 20..83 of Row inside an inverse banner: value v
    // lights columns 20..20+v; leaves X at 76.
    void DrawLevelBar(uint16_t value);
    // Contrast and initialisation hooks of the real display; no effect on the frame.
    void Init() {}
    void ApplyContrast() {}

    // Fields: a screen that redraws a part of itself again and again (every
    // half-second, every tick) draws it as a field, numbered below
    // FieldCount, each number kept for one field of one screen:
    //   if (lcd.BeginField(n, inputs)) { ...draw...; lcd.EndField(); }
    // BeginField returns false when the field was last drawn from the same
    // inputs, position and text style, and no band it drew in has changed
    // since (a clear, another screen or another field drawing there): the
    // frame shows it already, and the position and text style are set as the
    // drawing left them. Fields do not nest.
    static constexpr uint8_t FieldCount = 16;
    bool BeginField(uint8_t field, const FieldInputs& inputs);
    void EndField();

private:
    LcdPen Pen() const;
    void SetPen(const LcdPen& pen);
    void PlotClipped(int x, int y, bool on);
    void ColumnClipped(int x, int band, uint8_t bits);
    void DrawColumns(int x0, const uint8_t* bitmap, int columns);
    void DrawCharacter(uint8_t code);

    // The last level bar drawn: its row, value and the frame's revision
    // right after it.
    struct LevelBarDrawn {
        uint16_t row = 0;
        uint16_t value = 0;
        uint64_t revision = 0;
        bool operator==(const LevelBarDrawn&) const = default;
    };

    LcdFrame& frame_;
    std::optional<LevelBarDrawn> lastLevelBar_;
    std::array<FieldMemo, FieldCount> fields_{};
    uint8_t openField_ = 0;
    uint8_t drawnBands_ = 0;  // bit b: a primitive drew in band b since BeginField
};
