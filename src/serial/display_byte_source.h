#pragma once
#include <chrono>
#include <cstdint>
#include <span>

// When a part of the bytes of a read arrived at the device.
struct ByteArrival {
    std::chrono::steady_clock::time_point at;
    int32_t count = 0;
};

// Where the device link's received bytes come from: the serial port, or a
// recording played back.
class DisplayByteSource {
public:
    virtual ~DisplayByteSource() = default;
    // Up to `count` bytes already received: the number read, or -1.
    virtual int32_t Read(uint8_t* buffer, int32_t count) = 0;
    // When the bytes of the last Read arrived, oldest first; the counts add up
    // to what it returned. Empty when the source does not know: then they
    // arrived as they were read.
    virtual std::span<const ByteArrival> LastArrivals() const { return {}; }
    // Which opening of the port the bytes come from: it changes when the
    // port was closed and opened again, or another port was opened.
    virtual uint64_t Connection() const = 0;
};
