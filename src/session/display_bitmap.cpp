#include "session/display_bitmap.h"

#include "display/display_message_drawing.h"
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

}  // namespace

void DisplayBitmapRenderer::BitmapSurface::SetPixel(int x, int y, uint32_t rgb) {
    int px = 0;
    int py = 0;
    if (BlockStart(x, y, px, py)) bitmap[BitmapIndex(px, py)] = rgb == LcdOnColour ? 1 : 0;
}

void DisplayBitmapRenderer::BitmapSurface::FillRect(int x, int y, int width, int height, uint32_t rgb) {
    for (int py = 0; py < LcdHeight; ++py) {
        for (int px = 0; px < LcdWidth; ++px) {
            const int bx = LcdPictureLeft + 2 * px;
            const int by = LcdPictureTop + 2 * py;
            if (bx >= x && bx < x + width && by >= y && by < y + height)
                bitmap[BitmapIndex(px, py)] = rgb == LcdOnColour ? 1 : 0;
        }
    }
}

DisplayBitmapRenderer::DisplayBitmapRenderer() {
    LcdX = 0;
    LcdRow = 0;
    LcdText.clear();
    LcdBigFont = false;
    LcdInverse = false;
    LcdAttachSurface(&surface_);
}

DisplayBitmapRenderer::~DisplayBitmapRenderer() { LcdAttachSurface(nullptr); }

void DisplayBitmapRenderer::Draw(const DisplayMessage& message) { DrawDisplayMessage(drawing_, message); }

DisplayBitmap FinalDisplay(const DisplayMessage& last) {
    DisplayBitmapRenderer renderer;
    renderer.Draw(last);
    return renderer.Bitmap();
}
