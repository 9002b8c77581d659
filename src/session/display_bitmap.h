#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "display/display_message_drawing.h"
#include "display/lcd_surface.h"
#include "message/display_message.h"

// The transceiver's display as a one-bit picture, LcdWidth x LcdHeight, row
// by row, 1 for a dark pixel and 0 for a green one.
using DisplayBitmap = std::array<uint8_t, std::size_t{LcdWidth} * LcdHeight>;

// Where display pixel (x, y) lies in a DisplayBitmap.
inline std::size_t BitmapIndex(int x, int y) {
    return static_cast<std::size_t>(y) * LcdWidth + static_cast<std::size_t>(x);
}

inline bool DarkAt(const DisplayBitmap& bitmap, int x, int y) { return bitmap[BitmapIndex(x, y)] != 0; }

// Draws display messages exactly as the program does, with the real renderer
// and the display primitives, into a DisplayBitmap instead of the panel
// picture: each 2 x 2 picture block of the display window is one pixel, and
// columns 104 and 105 are left out.
//
// While it lives it is the display: it attaches itself as the primitives'
// surface and starts the drawing state from the program's initial state, on
// a cleared display, with a message drawing of its own. One at a time, on the
// thread that draws.
class DisplayBitmapRenderer {
public:
    DisplayBitmapRenderer();
    ~DisplayBitmapRenderer();
    DisplayBitmapRenderer(const DisplayBitmapRenderer&) = delete;
    DisplayBitmapRenderer& operator=(const DisplayBitmapRenderer&) = delete;

    void Draw(const DisplayMessage& message);
    const DisplayBitmap& Bitmap() const { return surface_.bitmap; }

private:
    struct BitmapSurface : LcdSurface {
        void SetPixel(int x, int y, uint32_t rgb) override;
        void FillRect(int x, int y, int width, int height, uint32_t rgb) override;
        DisplayBitmap bitmap{};
    };
    BitmapSurface surface_;
    DisplayMessageDrawing drawing_;
};

// The display after any sequence of messages that ends with `last`, drawn
// from a cleared display. A change of adjust mode clears the display, and
// every message of one adjust mode draws the same pixels (its texts and bars
// have fixed widths), so nothing drawn before the last message shows through:
// this is a cleared display with `last` drawn on it. Uses a
// DisplayBitmapRenderer, so the same rules hold.
DisplayBitmap FinalDisplay(const DisplayMessage& last);
