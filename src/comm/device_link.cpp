#include "comm/device_link.h"

#include <algorithm>

#include "comm/frame_receiver.h"
#include "shell/operating_mode.h"

namespace {
uint8_t gReceiveBuffer[DeviceLinkReadSize];
}

void DeviceLinkReceive(DisplayByteSource& source, int32_t count) {
    const int32_t n = source.Read(gReceiveBuffer, std::clamp(count, 0, DeviceLinkReadSize));
    if (n > 0) DeviceLinkFeed(gReceiveBuffer, std::min(n, DeviceLinkReadSize));
}

void DeviceLinkFeed(const uint8_t* bytes, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        if (FrameReceiverFeed(bytes[i])) DisplayMessageReceived();
}
