#include "link/device_link.h"

#include <algorithm>
#include <iterator>

#include "display/display_message_drawing.h"
#include "link/frame_receiver.h"

void DeviceLinkResetState() {
    FrameReceiver = {};
    std::fill(std::begin(DisplayFrame), std::end(DisplayFrame), uint8_t{0});
    PreviousAdjustMode = 0;
}

void DeviceLink::Receive(DisplayByteSource& source, int32_t count) {
    const int32_t n = source.Read(buffer_, std::clamp(count, 0, DeviceLinkReadSize));
    if (n <= 0) return;
    if (source.Connection() != connection_) FrameReceiverDropPartial();
    connection_ = source.Connection();
    Feed(buffer_, std::min(n, DeviceLinkReadSize));
}

void DeviceLink::Feed(const uint8_t* bytes, int32_t count) {
    if (count <= 0) return;
    const uint64_t now = clock_.NowMicroseconds();
    if (now - lastBytesAt_ > DeviceLinkSilenceMicroseconds) FrameReceiverDropPartial();
    lastBytesAt_ = now;
    for (int32_t i = 0; i < count; ++i)
        if (FrameReceiverFeed(bytes[i])) MessageComplete();
}

void DeviceLink::RedrawLastMessage() {
    if (haveMessage_) RenderDisplayMessage(lastMessage_);
}

// The payload buffer is overwritten by the next message as it arrives: the
// complete one is kept apart for a redraw.
void DeviceLink::MessageComplete() {
    std::copy(std::begin(DisplayFrame), std::end(DisplayFrame), lastMessage_.begin());
    haveMessage_ = true;
    listener_.DisplayMessageReceived();
}
