#include "support/memory_surface.h"

#include "display/lcd.h"

MemorySurface::MemorySurface() : pixels_(static_cast<std::size_t>(Width) * Height, BezelColour) {}

void MemorySurface::SetPixel(int x, int y, uint32_t rgb) {
    ++setPixelCalls_;
    if (x < 0 || y < 0 || x >= Width || y >= Height) return;
    pixels_[static_cast<std::size_t>(y) * Width + x] = rgb;
}

void MemorySurface::FillRect(int x, int y, int width, int height, uint32_t rgb) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            if (column >= 0 && row >= 0 && column < Width && row < Height)
                pixels_[static_cast<std::size_t>(row) * Width + column] = rgb;
}

uint32_t MemorySurface::DisplayPixel(int x, int y) const {
    const int px = LcdPictureLeft + 2 * x;
    const int py = LcdPictureTop + 2 * y;
    const uint32_t c = Pixel(px, py);
    if (Pixel(px + 1, py) != c || Pixel(px, py + 1) != c || Pixel(px + 1, py + 1) != c) return 0xFFFFFFFF;
    return c;
}

void MemorySurface::Reset() { std::fill(pixels_.begin(), pixels_.end(), BezelColour); }

AttachedSurface::AttachedSurface() {
    LcdResetState();
    LcdAttachSurface(&surface);
}

AttachedSurface::~AttachedSurface() { LcdAttachSurface(nullptr); }
