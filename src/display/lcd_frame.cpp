#include "display/lcd_frame.h"

#include <algorithm>
#include <utility>

void PixelRect::Include(int x, int y) {
    if (Empty()) {
        *this = {x, y, x + 1, y + 1};
        return;
    }
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x + 1);
    bottom = std::max(bottom, y + 1);
}

void LcdFrame::Clear() {
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) Set(x, y, false);
}

PixelRect LcdFrame::TakeDirty() { return std::exchange(dirty_, PixelRect{}); }
