#pragma once
#include <cstdint>
#include <functional>

#include "message/display_message.h"
#include "session/recording_reader.h"

// A complete display message and the arrival time of the record that
// completed it, in microseconds since the recording started.
struct TimedMessage {
    uint64_t micros;
    DisplayMessage message;
};

// Feeds the bytes of every record left in `reader` through a frame receiver
// of its own and calls `onMessage` for each complete message: noise, broken
// headers and messages split over records come out exactly as on the line.
// Nothing is drawn; consumers draw with DisplayBitmapRenderer when they need
// to. Returns the number of messages; the reader tells how its file ended.
uint64_t ForEachMessage(RecordingReader& reader, const std::function<void(const TimedMessage&)>& onMessage);
