#include "link/frame_receiver.h"

#include "message/display_message.h"
#include "display/display_message_drawing.h"

FrameReceiverRecord FrameReceiver;

bool FrameReceiverFeed(uint8_t byte) {
    FrameReceiverRecord& r = FrameReceiver;
    switch (r.State) {
        case FrameState::WaitStart:
            if (byte == DisplayMessageStart) r.State = FrameState::WaitType;
            return false;
        case FrameState::WaitType:
            r.State = byte == DisplayMessageType ? FrameState::WaitZero : FrameState::WaitStart;
            return false;
        case FrameState::WaitZero:
            if (byte != DisplayMessageZero) {
                r.State = FrameState::WaitStart;
                return false;
            }
            r.ToCollect = DisplayFrameSize;
            r.WritePosition = 0;
            r.Handler = RenderDisplayFrame;
            r.State = FrameState::Collect;
            return false;
        case FrameState::Collect:
            DisplayFrame[r.WritePosition++] = byte;
            if (--r.ToCollect != 0) return false;
            r.Handler();
            r.State = FrameState::WaitStart;
            return true;
    }
    return false;
}

void FrameReceiverDropPartial() {
    FrameReceiver.State = FrameState::WaitStart;
    FrameReceiver.ToCollect = 0;
}
