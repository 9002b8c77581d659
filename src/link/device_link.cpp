#include "link/device_link.h"

#include <algorithm>

void DeviceLink::Receive(DisplayByteSource& source, int32_t count) {
    const int32_t n = source.Read(buffer_, std::clamp(count, 0, DeviceLinkReadSize));
    if (n <= 0) return;
    if (source.Connection() != connection_) receiver_.DropPartial();
    connection_ = source.Connection();
    Feed(buffer_, std::min(n, DeviceLinkReadSize));
}

void DeviceLink::Feed(const uint8_t* bytes, int32_t count) {
    if (count <= 0) return;
    const uint64_t now = clock_.NowMicroseconds();
    if (now - lastBytesAt_ > DeviceLinkSilenceMicroseconds) receiver_.DropPartial();
    lastBytesAt_ = now;
    for (int32_t i = 0; i < count; ++i)
        if (receiver_.Feed(bytes[i])) MessageComplete();
}

void DeviceLink::RedrawLastMessage() {
    if (haveMessage_) DrawDisplayMessage(lcd_, drawing_, receiver_.Message());
}

void DeviceLink::MessageComplete() {
    DrawDisplayMessage(lcd_, drawing_, receiver_.Message());
    haveMessage_ = true;
    listener_.DisplayMessageReceived();
}
