#include "session/display_bitmap.h"

#include "display/display_message_drawing.h"
#include "display/lcd.h"

DisplayBitmap BitmapOfFrame(const LcdFrame& frame) {
    DisplayBitmap bitmap{};
    for (int y = 0; y < LcdHeight; ++y)
        for (int x = 0; x < LcdWidth; ++x) bitmap[BitmapIndex(x, y)] = frame.On(x, y) ? 1 : 0;
    return bitmap;
}

void DisplayBitmapRenderer::Draw(const DisplayMessage& message) {
    const uint64_t before = frame_.Revision();
    DrawDisplayMessage(lcd_, drawing_, message);
    if (frame_.Revision() != before) bitmap_ = BitmapOfFrame(frame_);
}

DisplayBitmap FinalDisplay(const DisplayMessage& last) {
    DisplayBitmapRenderer renderer;
    renderer.Draw(last);
    return renderer.Bitmap();
}
