#include "session/message_stream.h"

#include "message/frame_receiver.h"

uint64_t ForEachMessage(RecordingReader& reader, const std::function<void(const TimedMessage&)>& onMessage) {
    FrameReceiver receiver;
    uint64_t count = 0;
    while (const auto record = reader.Next()) {
        for (const uint8_t byte : record->bytes) {
            if (!receiver.Feed(byte)) continue;
            onMessage({record->micros, receiver.Message()});
            ++count;
        }
    }
    return count;
}
