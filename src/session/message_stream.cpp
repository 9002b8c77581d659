#include "session/message_stream.h"

#include <algorithm>

#include "link/frame_receiver.h"

namespace {

void LeaveUndrawn() {}

}  // namespace

uint64_t ForEachMessage(RecordingReader& reader, const std::function<void(const TimedMessage&)>& onMessage) {
    FrameReceiver = {};
    TimedMessage message{};
    uint64_t count = 0;
    while (const auto record = reader.Next()) {
        for (const uint8_t byte : record->bytes) {
            const bool complete = FrameReceiverFeed(byte);
            // The receiver chooses its drawing handler with each header; the
            // consumer draws instead, and only what it needs.
            FrameReceiver.Handler = LeaveUndrawn;
            if (!complete) continue;
            message.micros = record->micros;
            std::copy_n(DisplayFrame, DisplayFrameSize, message.payload.begin());
            onMessage(message);
            ++count;
        }
    }
    return count;
}
