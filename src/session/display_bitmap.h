#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "display/display_message_drawing.h"
#include "display/lcd.h"
#include "message/display_message.h"

// The transceiver's display as a one-bit picture, LcdWidth x LcdHeight, row
// by row, 1 for a dark pixel and 0 for a green one.
using DisplayBitmap = std::array<uint8_t, std::size_t{LcdWidth} * LcdHeight>;

// Where display pixel (x, y) lies in a DisplayBitmap.
inline std::size_t BitmapIndex(int x, int y) {
    return static_cast<std::size_t>(y) * LcdWidth + static_cast<std::size_t>(x);
}

inline bool DarkAt(const DisplayBitmap& bitmap, int x, int y) { return bitmap[BitmapIndex(x, y)] != 0; }

// The visible part of a frame: columns 104 and 105 are left out.
DisplayBitmap BitmapOfFrame(const LcdFrame& frame);

// Draws display messages exactly as the program does, with the real renderer
// and the display primitives, into a frame of its own, read as a
// DisplayBitmap.
//
// It starts the drawing from the program's initial state, on a cleared
// display, with a message drawing of its own.
class DisplayBitmapRenderer {
public:
    DisplayBitmapRenderer() = default;
    DisplayBitmapRenderer(const DisplayBitmapRenderer&) = delete;
    DisplayBitmapRenderer& operator=(const DisplayBitmapRenderer&) = delete;

    void Draw(const DisplayMessage& message);
    const DisplayBitmap& Bitmap() const { return bitmap_; }

private:
    LcdFrame frame_;
    Lcd lcd_{frame_};
    DisplayMessageDrawing drawing_;
    DisplayBitmap bitmap_{};
};

// The display after any sequence of messages that ends with `last`, drawn
// from a cleared display. A change of adjust mode clears the display, and
// every message of one adjust mode draws the same pixels (its texts and bars
// have fixed widths), so nothing drawn before the last message shows through:
// this is a cleared display with `last` drawn on it. Uses a
// DisplayBitmapRenderer, so the same rules hold.
DisplayBitmap FinalDisplay(const DisplayMessage& last);
