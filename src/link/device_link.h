#pragma once
#include <cstdint>

#include "display/display_message_drawing.h"
#include "link/display_message_listener.h"
#include "link/link_clock.h"
#include "message/frame_receiver.h"
#include "serial/display_byte_source.h"

// The receive side of the link with a connected transceiver: reads what the
// serial port holds, frames display messages, draws each one on its Lcd and
// tells its listener that a device is talking. Runs on the GUI thread.
// Nothing is ever sent to the device.

// Most bytes handled per receive event; the rest stay queued for the next.
inline constexpr int32_t DeviceLinkReadSize = 1000;

// A message begun but without a byte for this long is dropped: the device
// was reset or unplugged mid-message. A whole message takes 46 ms on the line.
inline constexpr uint64_t DeviceLinkSilenceMicroseconds = 200000;

class DeviceLink {
public:
    DeviceLink(Lcd& lcd, DisplayMessageListener& listener, const LinkClock& clock = SteadyLinkClock())
        : lcd_(lcd), listener_(listener), clock_(clock) {}
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // The serial receive handler: reads min(count, 1000) bytes into a fixed
    // buffer and feeds them to the frame receiver. A read of 0 or -1 changes
    // nothing. Bytes from another opening of the port than the last ones
    // drop the message begun on the old one. Every complete message is drawn,
    // then reported to the listener.
    void Receive(DisplayByteSource& source, int32_t count);

    // Feeds bytes received now to the frame receiver as Receive does. After
    // DeviceLinkSilenceMicroseconds without a byte, the message begun is
    // dropped first, so that it cannot swallow the start of the next one.
    void Feed(const uint8_t* bytes, int32_t count);

    // Draws the last complete message again, for the display the stopping
    // emulator cleared; nothing before the first message.
    void RedrawLastMessage();

    const FrameReceiver& Receiver() const { return receiver_; }

private:
    void MessageComplete();

    Lcd& lcd_;
    DisplayMessageListener& listener_;
    const LinkClock& clock_;
    FrameReceiver receiver_;
    DisplayMessageDrawing drawing_;
    uint8_t buffer_[DeviceLinkReadSize]{};
    uint64_t lastBytesAt_ = 0;  // when Feed last had bytes
    uint64_t connection_ = 0;   // where the last bytes came from
    bool haveMessage_ = false;
};
