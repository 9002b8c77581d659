#pragma once
#include <array>
#include <cstdint>

// The sizes the main window can be shown at, in percent of its layout.
inline constexpr std::array<int, 4> ZoomPercents{100, 150, 200, 300};
inline constexpr int DefaultZoom = 100;

// A stored zoom as the program takes it: one of ZoomPercents, else 100.
int ZoomOrDefault(int32_t percent);

// Layout pixel x is shown on screen pixels [Zoomed(x), Zoomed(x + 1)), and
// screen pixel s shows layout pixel Unzoomed(s): every layout pixel becomes a
// block of whole screen pixels, never a blend of two. For coordinates >= 0.
int Zoomed(int coordinate, int percent);
int Unzoomed(int screenCoordinate, int percent);
