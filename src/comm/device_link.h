#pragma once
#include <cstdint>

// The receive side of the link with a connected transceiver: reads what the
// serial port holds, frames display messages, draws each one and tells the
// operating mode that a device is talking. Runs on the GUI thread. Nothing is
// ever sent to the device.

// Where the received bytes come from; the program reads the serial component.
class DisplayByteSource {
public:
    virtual ~DisplayByteSource() = default;
    // Up to `count` bytes already received: the number read, or -1.
    virtual int32_t Read(uint8_t* buffer, int32_t count) = 0;
};

// Most bytes handled per receive event; the rest stay queued for the next.
inline constexpr int32_t DeviceLinkReadSize = 1000;

// The serial receive handler: reads min(count, 1000) bytes into a fixed
// buffer and feeds them to the frame receiver. A read of 0 or -1 changes
// nothing. Every complete message is drawn, then reported with
// DisplayMessageReceived (the first after silence switches online).
void DeviceLinkReceive(DisplayByteSource& source, int32_t count);

// Feeds bytes to the frame receiver as DeviceLinkReceive does.
void DeviceLinkFeed(const uint8_t* bytes, int32_t count);
