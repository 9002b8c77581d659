#pragma once
#include "serial/comm.h"
#include "serial/display_byte_source.h"

// The device link's byte source backed by a serial component.
class CommByteSource : public DisplayByteSource {
public:
    explicit CommByteSource(TCustomComm& comm) : comm_(comm) {}
    int32_t Read(uint8_t* buffer, int32_t count) override { return comm_.Read(buffer, count); }
    std::span<const ByteArrival> LastArrivals() const override { return comm_.LastReadArrivals(); }
    uint64_t Connection() const override { return comm_.Session(); }

private:
    TCustomComm& comm_;
};
