#include <gtest/gtest.h>

#include <random>

#include "message/display_message.h"
#include "message/frame_receiver.h"

namespace {

// Any message comes back whole through its bytes and the frame receiver:
// every adjust mode 0..7, every bar, channel, frequency and display code.
TEST(DisplayMessageTest, EncodedMessagesAreFramedAndDecodedToThemselves) {
    std::mt19937 random(44);
    const auto byte = [&] { return static_cast<uint8_t>(random()); };
    const auto codes = [&] {
        DisplayCodes c;
        for (uint8_t& b : c) b = byte();
        return c;
    };
    FrameReceiver receiver;
    for (int i = 0; i < 500; ++i) {
        const DisplayMessage sent{.adjustMode = static_cast<DisplayAdjustMode>(random() % 8),
                                  .transmitting = random() % 2 == 0,
                                  .activeKhz = static_cast<int32_t>(random()),
                                  .standbyKhz = static_cast<int32_t>(random()),
                                  .activeChannel = byte(),
                                  .standbyChannel = byte(),
                                  .activeName = codes(),
                                  .activeType = codes(),
                                  .standbyName = codes(),
                                  .standbyType = codes(),
                                  .volume = byte(),
                                  .squelch = byte(),
                                  .rxLevel = byte(),
                                  .txLevel = byte()};
        int completed = 0;
        for (const uint8_t b : EncodeDisplayMessage(sent)) completed += receiver.Feed(b) ? 1 : 0;
        ASSERT_EQ(completed, 1) << "message " << i;
        ASSERT_EQ(receiver.Message(), sent) << "message " << i;
    }
}

}  // namespace
