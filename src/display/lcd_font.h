#pragma once
#include <array>
#include <cstdint>

// The display font and the bar glyphs. Every glyph is 8 column bytes, one per
// pixel column of an 8-pixel text row; bit 0 is the top pixel, a set bit dark.

inline constexpr int LcdFontFirstCode = 32;
inline constexpr int LcdFontLastCode = 147;
inline constexpr int LcdFontGlyphs = LcdFontLastCode - LcdFontFirstCode + 1;
inline constexpr uint8_t SmallDigitZeroCode = 138;  // small digit d is code 138 + d

extern const uint8_t LcdFont[LcdFontGlyphs * 8];

// The glyph of a character code; codes without a glyph give a blank cell.
const uint8_t* LcdGlyph(uint8_t code);

using Glyph = std::array<uint8_t, 8>;
using GlyphSet = std::array<Glyph, 8>;

namespace glyph_detail {
// Glyph r has `filled` in columns 0..r and `open` in the others.
constexpr GlyphSet FilledUpTo(uint8_t filled, uint8_t open) {
    GlyphSet set{};
    for (int r = 0; r < 8; ++r)
        for (int column = 0; column < 8; ++column) set[r][column] = column <= r ? filled : open;
    return set;
}
// Glyph i has `tick` in column i and `rest` in the others.
constexpr GlyphSet TickAt(uint8_t tick, uint8_t rest) {
    GlyphSet set{};
    for (int i = 0; i < 8; ++i)
        for (int column = 0; column < 8; ++column) set[i][column] = column == i ? tick : rest;
    return set;
}
}  // namespace glyph_detail

// Cells of the outlined bar of LcdDrawBar: rows 1..6 filled (7E) in columns
// 0..r, only the outline rows 1 and 6 (42) in the rest.
inline constexpr GlyphSet BarCellGlyphs = glyph_detail::FilledUpTo(0x7E, 0x42);
// Closes the outlined bar on the right.
inline constexpr Glyph BarEndGlyph = {0x7E, 0, 0, 0, 0, 0, 0, 0};
// Cells of LcdDrawLevelBar, which lives in an inverse banner: the interior is
// light (81) in columns 0..r and dark (BD) in the rest.
inline constexpr GlyphSet LevelCellGlyphs = glyph_detail::FilledUpTo(0x81, 0xBD);
// Empty level cell i: column i is 81, the others BD. Eight side by side give
// the banner's empty bar with its tick columns.
inline constexpr GlyphSet EmptyLevelCellGlyphs = glyph_detail::TickAt(0x81, 0xBD);
