#include "display/lcd_frame.h"

#include <algorithm>
#include <bit>
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

void LcdFrame::Change(int x, int band, uint8_t bits) {
    uint8_t& column = bands_[band][x];
    const auto changed = static_cast<uint8_t>(column ^ bits);
    column = bits;
    revision_ += static_cast<uint64_t>(std::popcount(changed));
    bandRevisions_[band] = revision_;
    dirty_.Include(x, 8 * band + std::countr_zero(changed));
    dirty_.Include(x, 8 * band + 7 - std::countl_zero(changed));
}

void LcdFrame::Clear() {
    for (int band = 0; band < Bands; ++band)
        for (int x = 0; x < Width; ++x) SetColumn(x, band, 0);
}

PixelRect LcdFrame::TakeDirty() { return std::exchange(dirty_, PixelRect{}); }
