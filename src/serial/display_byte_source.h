#pragma once
#include <cstdint>

// Where the device link's received bytes come from: the serial port, or a
// recording played back.
class DisplayByteSource {
public:
    virtual ~DisplayByteSource() = default;
    // Up to `count` bytes already received: the number read, or -1.
    virtual int32_t Read(uint8_t* buffer, int32_t count) = 0;
    // Which opening of the port the bytes come from: it changes when the
    // port was closed and opened again, or another port was opened.
    virtual uint64_t Connection() const = 0;
};
