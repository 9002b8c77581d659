#include "session/display_bitmap.h"

#include "comm/display_renderer.h"

DisplayBitmap BitmapOfFrame(const LcdFrame& frame) {
    DisplayBitmap bitmap{};
    for (int y = 0; y < LcdHeight; ++y)
        for (int x = 0; x < LcdWidth; ++x) bitmap[BitmapIndex(x, y)] = frame.On(x, y) ? 1 : 0;
    return bitmap;
}

DisplayBitmapRenderer::DisplayBitmapRenderer() { PreviousAdjustMode = 0; }

void DisplayBitmapRenderer::Draw(const DisplayPayload& payload) {
    const uint64_t before = frame_.Revision();
    RenderDisplayMessage(lcd_, payload);
    if (frame_.Revision() != before) bitmap_ = BitmapOfFrame(frame_);
}

DisplayBitmap FinalDisplay(const DisplayPayload& last) {
    DisplayBitmapRenderer renderer;
    renderer.Draw(last);
    return renderer.Bitmap();
}
