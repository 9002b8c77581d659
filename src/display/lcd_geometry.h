#pragma once
#include <cstdint>

// The transceiver's display: 104 x 64 pixels, shown in the panel photograph's
// green window, each display pixel a 2 x 2 block of the photograph.
inline constexpr int LcdWidth = 104;
inline constexpr int LcdHeight = 64;

inline constexpr uint32_t LcdOnColour = 0x000000;   // black
inline constexpr uint32_t LcdOffColour = 0x00FF00;  // pure green

// Display pixel (x, y) is the block at (LcdPictureLeft + 2x, LcdPictureTop + 2y)
// of the panel photograph (388 x 390).
inline constexpr int LcdPictureLeft = 64;
inline constexpr int LcdPictureTop = 115;
