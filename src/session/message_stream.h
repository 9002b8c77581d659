#pragma once
#include <cstdint>
#include <functional>

#include "session/display_fields.h"
#include "session/recording_reader.h"

// A complete display message and the arrival time of the record that
// completed it, in microseconds since the recording started.
struct TimedMessage {
    uint64_t micros;
    DisplayPayload payload;
};

// Feeds the bytes of every record left in `reader` through the program's
// frame receiver, started from its initial state, and calls `onMessage` for
// each complete message: noise, broken headers and messages split over
// records come out exactly as on the line. The receiver's own drawing is
// left out; consumers draw with DisplayBitmapRenderer when they need to.
// Returns the number of messages; the reader tells how its file ended.
// Uses the receiver's global state: one at a time, on the thread that draws.
uint64_t ForEachMessage(RecordingReader& reader, const std::function<void(const TimedMessage&)>& onMessage);
