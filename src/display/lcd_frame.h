#pragma once
#include <array>
#include <cstdint>

#include "display/lcd_geometry.h"

// A rectangle of frame pixels, right and bottom exclusive; empty when it has
// no width or no height.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    // Grows to take in pixel (x, y).
    void Include(int x, int y);
};

// The display's pixels as the firmware and the link draw them. Besides the
// 104 visible columns it holds columns 104 and 105: text that runs past the
// right edge reaches them, and the panel shows them on the photograph's green
// window beside the display. All pixels start unlit.
//
// Every change of a pixel counts one revision and grows the dirty rectangle,
// which the view showing the frame takes to repaint just that part.
class LcdFrame {
public:
    static constexpr int Width = LcdWidth + 2;
    static constexpr int Height = LcdHeight;

    // Whether pixel (x, y) is lit (dark); x < Width, y < Height.
    bool On(int x, int y) const { return pixels_[Index(x, y)] != 0; }
    // Lights or clears pixel (x, y); x < Width, y < Height. Setting a pixel
    // to the value it has changes nothing.
    void Set(int x, int y, bool on) {
        uint8_t& pixel = pixels_[Index(x, y)];
        if (pixel == static_cast<uint8_t>(on)) return;
        pixel = static_cast<uint8_t>(on);
        ++revision_;
        dirty_.Include(x, y);
    }
    // Clears every pixel, the two extra columns included.
    void Clear();

    // Counts pixel changes since the frame was made.
    uint64_t Revision() const { return revision_; }
    // The pixels changed since the last call; empty when none did.
    PixelRect TakeDirty();

private:
    static constexpr int Index(int x, int y) { return y * Width + x; }

    std::array<uint8_t, std::size_t{Width} * Height> pixels_{};
    uint64_t revision_ = 0;
    PixelRect dirty_;
};
