#pragma once
#include <cstdint>
#include <vector>

#include "display/lcd_surface.h"

// The panel picture in memory (388 x 390), for driving the display
// primitives in tests. Pixels never painted hold BezelColour.
class MemorySurface : public LcdSurface {
public:
    static constexpr int Width = 388;
    static constexpr int Height = 390;
    static constexpr uint32_t BezelColour = 0x102040;

    MemorySurface();
    void SetPixel(int x, int y, uint32_t rgb) override;
    void FillRect(int x, int y, int width, int height, uint32_t rgb) override;

    uint32_t Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * Width + x]; }
    // Colour of display pixel (x, y) when its 2 x 2 block is uniform, else
    // a value that is neither on nor off.
    uint32_t DisplayPixel(int x, int y) const;
    // Whether the display pixel is dark.
    bool On(int x, int y) const { return DisplayPixel(x, y) == LcdOnColour; }
    // Paints every pixel with the bezel colour again.
    void Reset();
    long SetPixelCalls() const { return setPixelCalls_; }

private:
    std::vector<uint32_t> pixels_;
    long setPixelCalls_ = 0;
};

// Attaches a fresh MemorySurface to the display for the lifetime of the
// object and resets the drawing state.
class AttachedSurface {
public:
    AttachedSurface();
    ~AttachedSurface();
    MemorySurface surface;
};
