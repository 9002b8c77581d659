#pragma once
#include <array>
#include <cstdint>

#include "message/display_message.h"
#include "link/link_clock.h"

// The receive side of the link with a connected transceiver: reads what the
// serial port holds, frames display messages, draws each one and tells its
// listener that a device is talking. Runs on the GUI thread. Nothing is ever
// sent to the device.

// Where the received bytes come from; the program reads the serial component.
class DisplayByteSource {
public:
    virtual ~DisplayByteSource() = default;
    // Up to `count` bytes already received: the number read, or -1.
    virtual int32_t Read(uint8_t* buffer, int32_t count) = 0;
    // Which opening of the port the bytes come from: it changes when the
    // port was closed and opened again, or another port was opened.
    virtual uint64_t Connection() const = 0;
};

// Hears of every display message the link completed, after it was drawn.
// The program's operating mode listens: the first message after silence
// switches online, every one restarts the online watchdog.
class DisplayMessageListener {
public:
    virtual ~DisplayMessageListener() = default;
    virtual void DisplayMessageReceived() = 0;
};

// Most bytes handled per receive event; the rest stay queued for the next.
inline constexpr int32_t DeviceLinkReadSize = 1000;

// A message begun but without a byte for this long is dropped: the device
// was reset or unplugged mid-message. A whole message takes 46 ms on the line.
inline constexpr uint64_t DeviceLinkSilenceMicroseconds = 200000;

// Back to the state at program start: the frame receiver waiting for a start
// byte, an empty payload buffer, adjust mode 0 drawn last.
void DeviceLinkResetState();

class DeviceLink {
public:
    explicit DeviceLink(DisplayMessageListener& listener, LinkClock& clock = SteadyLinkClock())
        : listener_(listener), clock_(clock) {}
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

private:
    void MessageComplete();

    DisplayMessageListener& listener_;
    LinkClock& clock_;
    uint8_t buffer_[DeviceLinkReadSize]{};
    uint64_t lastBytesAt_ = 0;  // when Feed last had bytes
    uint64_t connection_ = 0;   // where the last bytes came from
    std::array<uint8_t, DisplayFrameSize> lastMessage_{};
    bool haveMessage_ = false;
};
