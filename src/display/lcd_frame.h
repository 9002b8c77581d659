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
// which the view showing the frame takes to repaint just that part. Each band
// of 8 pixel rows keeps the revision of its last change, so that a drawing
// can tell whether a part of the frame changed since it drew there.
class LcdFrame {
public:
    static constexpr int Width = LcdWidth + 2;
    static constexpr int Height = LcdHeight;
    static constexpr int Bands = Height / 8;  // text rows of 8 pixel rows

    // Whether pixel (x, y) is lit (dark); x < Width, y < Height.
    bool On(int x, int y) const { return ((bands_[y / 8][x] >> (y % 8)) & 1) != 0; }
    // Lights or clears pixel (x, y); x < Width, y < Height. Setting a pixel
    // to the value it has changes nothing.
    void Set(int x, int y, bool on) {
        const auto bit = static_cast<uint8_t>(1u << (y % 8));
        const uint8_t column = bands_[y / 8][x];
        SetColumn(x, y / 8, static_cast<uint8_t>(on ? column | bit : column & ~bit));
    }
    // Sets the 8 pixels of column x in band `band` (x < Width, band < Bands)
    // at once, bit 0 at the top: the drawing primitives' column bytes.
    void SetColumn(int x, int band, uint8_t bits) {
        if (bands_[band][x] != bits) Change(x, band, bits);
    }
    // Clears every pixel, the two extra columns included.
    void Clear();

    // Counts pixel changes since the frame was made.
    uint64_t Revision() const { return revision_; }
    // The revision of the last change in band `band` (< Bands); 0 while none.
    uint64_t BandRevision(int band) const { return bandRevisions_[band]; }
    // The pixels changed since the last call; empty when none did.
    PixelRect TakeDirty();

private:
    void Change(int x, int band, uint8_t bits);

    std::array<std::array<uint8_t, Width>, Bands> bands_{};
    std::array<uint64_t, Bands> bandRevisions_{};
    uint64_t revision_ = 0;
    PixelRect dirty_;
};
