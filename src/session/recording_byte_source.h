#pragma once
#include <cstdint>

#include "serial/display_byte_source.h"
#include "session/recording_writer.h"

// The serial port's bytes on their way to the device link, recorded on the
// way: every byte read, noise included, exactly as read, stamped with the
// time of its read. Nothing is recorded while the writer is not recording.
class RecordingByteSource : public DisplayByteSource {
public:
    RecordingByteSource(DisplayByteSource& port, RecordingWriter& writer) : port_(port), writer_(writer) {}

    int32_t Read(uint8_t* buffer, int32_t count) override {
        const int32_t n = port_.Read(buffer, count);
        if (n > 0 && writer_.Recording())
            writer_.Append(writer_.ElapsedMicroseconds(), buffer, static_cast<std::size_t>(n));
        return n;
    }
    uint64_t Connection() const override { return port_.Connection(); }

private:
    DisplayByteSource& port_;
    RecordingWriter& writer_;
};
