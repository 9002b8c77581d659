#include "message/frame_receiver.h"

bool FrameReceiver::Feed(uint8_t byte) {
    switch (state_) {
        case FrameState::WaitStart:
            if (byte == DisplayMessageStart) state_ = FrameState::WaitType;
            return false;
        case FrameState::WaitType:
            state_ = byte == DisplayMessageType ? FrameState::WaitZero : FrameState::WaitStart;
            return false;
        case FrameState::WaitZero:
            if (byte != DisplayMessageZero) {
                state_ = FrameState::WaitStart;
                return false;
            }
            toCollect_ = DisplayFrameSize;
            writePosition_ = 0;
            state_ = FrameState::Collect;
            return false;
        case FrameState::Collect:
            payload_[writePosition_++] = byte;
            if (--toCollect_ != 0) return false;
            message_ = DecodeDisplayPayload(payload_);
            state_ = FrameState::WaitStart;
            return true;
    }
    return false;
}

void FrameReceiver::DropPartial() {
    state_ = FrameState::WaitStart;
    toCollect_ = 0;
}
