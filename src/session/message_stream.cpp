#include "session/message_stream.h"

#include <algorithm>

#include "comm/frame_receiver.h"

uint64_t ForEachMessage(RecordingReader& reader, const std::function<void(const TimedMessage&)>& onMessage) {
    FrameReceiver = {};
    TimedMessage message{};
    uint64_t count = 0;
    while (const auto record = reader.Next()) {
        for (const uint8_t byte : record->bytes) {
            if (!FrameReceiverFeed(byte)) continue;
            message.micros = record->micros;
            std::copy_n(DisplayFrame, DisplayFrameSize, message.payload.begin());
            onMessage(message);
            ++count;
        }
    }
    return count;
}
