#include "session/packed_display.h"

PackedDisplay PackDisplay(const DisplayBitmap& bitmap) {
    PackedDisplay packed{};
    for (int y = 0; y < LcdHeight; ++y)
        for (int x = 0; x < LcdWidth; ++x)
            if (DarkAt(bitmap, x, y))
                packed[static_cast<std::size_t>(y) * PackedRowBytes + static_cast<std::size_t>(x / 8)] |=
                    static_cast<uint8_t>(0x80 >> (x % 8));
    return packed;
}
