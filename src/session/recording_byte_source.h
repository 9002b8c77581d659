#pragma once
#include <cstdint>

#include "serial/display_byte_source.h"
#include "session/recording_writer.h"

// The serial port's bytes on their way to the device link, recorded on the
// way: every byte read, noise included, exactly as read, stamped with the
// time it arrived at the device (the time of its read where the port does not
// know). Nothing is recorded while the writer is not recording.
class RecordingByteSource : public DisplayByteSource {
public:
    RecordingByteSource(DisplayByteSource& port, RecordingWriter& writer) : port_(port), writer_(writer) {}

    int32_t Read(uint8_t* buffer, int32_t count) override {
        const int32_t n = port_.Read(buffer, count);
        if (n > 0 && writer_.Recording()) Record(buffer, n);
        return n;
    }
    std::span<const ByteArrival> LastArrivals() const override { return port_.LastArrivals(); }
    uint64_t Connection() const override { return port_.Connection(); }

private:
    void Record(const uint8_t* bytes, int32_t count) {
        const std::span<const ByteArrival> arrivals = port_.LastArrivals();
        if (arrivals.empty()) {
            writer_.Append(writer_.ElapsedMicroseconds(), bytes, static_cast<std::size_t>(count));
            return;
        }
        for (const ByteArrival& part : arrivals) {
            if (part.count > 0)
                writer_.Append(writer_.MicrosecondsAt(part.at), bytes, static_cast<std::size_t>(part.count));
            bytes += part.count;
        }
    }

    DisplayByteSource& port_;
    RecordingWriter& writer_;
};
