#include <gtest/gtest.h>

#include <random>

#include "session/display_bitmap.h"

namespace {

// Messages with random contents, their adjust mode mostly kept for a while
// as on a real unit, names with any codes.
DisplayPayload RandomPayload(std::mt19937& random, uint8_t& mode) {
    if (random() % 4 == 0) mode = static_cast<uint8_t>(random() % 8);
    DisplayPayload payload;
    for (uint8_t& byte : payload) byte = static_cast<uint8_t>(random());
    payload[display_frame::Status] = static_cast<uint8_t>(mode << display_frame::AdjustModeShift | (random() % 2));
    return payload;
}

// The PNG export draws only the last message; drawing every message gives
// the same display after each one.
TEST(DisplayBitmapTest, TheFinalDisplayDependsOnTheLastMessageOnly) {
    std::mt19937 random(2024);
    uint8_t mode = 0;
    std::vector<DisplayPayload> payloads;
    std::vector<DisplayBitmap> drawn;
    {
        DisplayBitmapRenderer renderer;
        for (int i = 0; i < 400; ++i) {
            payloads.push_back(RandomPayload(random, mode));
            renderer.Draw(payloads.back());
            drawn.push_back(renderer.Bitmap());
        }
    }
    for (std::size_t i = 0; i < payloads.size(); ++i) ASSERT_EQ(FinalDisplay(payloads[i]), drawn[i]) << "message " << i;
}

}  // namespace
