#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "session/display_bitmap.h"

// The display packed eight pixels to a byte, as the browser pages take it:
// 64 rows of 13 bytes from the top, 832 bytes; in each byte the leftmost
// pixel is the top bit; a set bit is a dark pixel.
inline constexpr std::size_t PackedRowBytes = LcdWidth / 8;
static_assert(LcdWidth % 8 == 0, "a row is whole bytes");
using PackedDisplay = std::array<uint8_t, PackedRowBytes * LcdHeight>;

PackedDisplay PackDisplay(const DisplayBitmap& bitmap);

// The 13 bytes of row `row`.
inline const uint8_t* PackedRow(const PackedDisplay& display, int row) {
    return display.data() + static_cast<std::size_t>(row) * PackedRowBytes;
}
