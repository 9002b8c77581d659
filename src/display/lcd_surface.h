#pragma once
#include <cstdint>

// Where the display primitives paint: the pixels of the panel picture
// (388 x 390, 24-bit). The shell backs it with the picture widget's image,
// the tests with an in-memory picture. Coordinates are picture pixels.
class LcdSurface {
public:
    virtual ~LcdSurface() = default;
    virtual void SetPixel(int x, int y, uint32_t rgb) = 0;
    virtual void FillRect(int x, int y, int width, int height, uint32_t rgb) = 0;
};

inline constexpr uint32_t LcdOnColour = 0x000000;   // black
inline constexpr uint32_t LcdOffColour = 0x00FF00;  // pure green

// The display window inside the panel picture: display pixel (x, y) is the
// 2 x 2 block at (LcdPictureLeft + 2x, LcdPictureTop + 2y).
inline constexpr int LcdPictureLeft = 64;
inline constexpr int LcdPictureTop = 115;
inline constexpr int LcdWidth = 104;
inline constexpr int LcdHeight = 64;

// The surface the primitives paint on; none attached means drawing is dropped.
void LcdAttachSurface(LcdSurface* surface);
