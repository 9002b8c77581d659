#include "session/display_bitmap.h"

#include <algorithm>
#include <utility>

#include "comm/display_renderer.h"
#include "display/lcd.h"

namespace {

// Whether picture pixel (x, y) is the first of a display pixel's 2 x 2
// block, and which display pixel that is.
bool BlockStart(int x, int y, int& px, int& py) {
    const int dx = x - LcdPictureLeft;
    const int dy = y - LcdPictureTop;
    if (dx < 0 || dy < 0 || dx % 2 != 0 || dy % 2 != 0) return false;
    px = dx / 2;
    py = dy / 2;
    return px < LcdWidth && py < LcdHeight;
}

// The display pixels whose first picture pixel lies in [from, to), within
// 0..limit: those from (from - origin) / 2 rounded up.
std::pair<int, int> BlockRange(int from, int to, int origin, int limit) {
    const auto firstAtOrAfter = [origin](int picture) { return (std::max(picture - origin, 0) + 1) / 2; };
    return {std::min(firstAtOrAfter(from), limit), std::min(firstAtOrAfter(to), limit)};
}

}  // namespace

void DisplayBitmapRenderer::BitmapSurface::SetPixel(int x, int y, uint32_t rgb) {
    int px = 0;
    int py = 0;
    if (BlockStart(x, y, px, py)) bitmap[BitmapIndex(px, py)] = rgb == LcdOnColour ? 1 : 0;
}

void DisplayBitmapRenderer::BitmapSurface::FillRect(int x, int y, int width, int height, uint32_t rgb) {
    const auto [left, right] = BlockRange(x, x + width, LcdPictureLeft, LcdWidth);
    const auto [top, bottom] = BlockRange(y, y + height, LcdPictureTop, LcdHeight);
    if (left >= right || top >= bottom) return;
    const uint8_t value = rgb == LcdOnColour ? 1 : 0;
    for (int py = top; py < bottom; ++py)
        std::fill(bitmap.begin() + static_cast<std::ptrdiff_t>(BitmapIndex(left, py)),
                  bitmap.begin() + static_cast<std::ptrdiff_t>(BitmapIndex(right, py)), value);
}

DisplayBitmapRenderer::DisplayBitmapRenderer() {
    LcdX = 0;
    LcdRow = 0;
    LcdText.clear();
    LcdBigFont = false;
    LcdInverse = false;
    PreviousAdjustMode = 0;
    LcdAttachSurface(&surface_);
}

DisplayBitmapRenderer::~DisplayBitmapRenderer() { LcdAttachSurface(nullptr); }

void DisplayBitmapRenderer::Draw(const DisplayPayload& payload) {
    std::copy(payload.begin(), payload.end(), DisplayFrame);
    RenderDisplayFrame();
}

DisplayBitmap FinalDisplay(const DisplayPayload& last) {
    DisplayBitmapRenderer renderer;
    renderer.Draw(last);
    return renderer.Bitmap();
}
