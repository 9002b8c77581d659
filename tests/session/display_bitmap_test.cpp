#include <gtest/gtest.h>

#include <random>

#include "session/display_bitmap.h"

namespace {

// Messages with random contents, their adjust mode mostly kept for a while
// as on a real unit, names with any codes.
DisplayMessage RandomMessage(std::mt19937& random, uint8_t& mode) {
    if (random() % 4 == 0) mode = static_cast<uint8_t>(random() % 8);
    DisplayPayload payload;
    for (uint8_t& byte : payload) byte = static_cast<uint8_t>(random());
    payload[display_frame::Status] = static_cast<uint8_t>(mode << display_frame::AdjustModeShift | (random() % 2));
    return DecodeDisplayPayload(payload);
}

// The PNG export draws only the last message; drawing every message gives
// the same display after each one.
TEST(DisplayBitmapTest, TheFinalDisplayDependsOnTheLastMessageOnly) {
    std::mt19937 random(2024);
    uint8_t mode = 0;
    std::vector<DisplayMessage> messages;
    std::vector<DisplayBitmap> drawn;
    {
        DisplayBitmapRenderer renderer;
        for (int i = 0; i < 400; ++i) {
            messages.push_back(RandomMessage(random, mode));
            renderer.Draw(messages.back());
            drawn.push_back(renderer.Bitmap());
        }
    }
    for (std::size_t i = 0; i < messages.size(); ++i) ASSERT_EQ(FinalDisplay(messages[i]), drawn[i]) << "message " << i;
}

}  // namespace
