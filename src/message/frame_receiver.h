#pragma once
#include <cstdint>

#include "message/display_message.h"

// Frames display messages out of the received byte stream. The state lives
// on between reads, so a message may arrive split over any number of them.
// The device link drops a message begun but not finished when the line fell
// silent or the port changed (link/device_link.h).
//
//   state      byte        action                                   next
//   WaitStart  02          -                                        WaitType
//   WaitStart  other       ignored                                  WaitStart
//   WaitType   05          -                                        WaitZero
//   WaitType   other       dropped                                  WaitStart
//   WaitZero   00          collect 41 bytes                         Collect
//   WaitZero   other       dropped                                  WaitStart
//   Collect    any         stored; after the 41st: message complete WaitStart
//
// A dropped byte is not looked at again as a start byte, so 02 02 05 00 does
// not start a message; payload bytes are taken as they come, 02 included.

enum class FrameState : uint8_t { WaitStart, WaitType, WaitZero, Collect };

class FrameReceiver {
public:
    // Feeds one byte. Returns true when it completed a message: Message()
    // holds it, and the state is back at WaitStart.
    bool Feed(uint8_t byte);

    // Back to waiting for a start byte: the message being collected, if any,
    // is dropped.
    void DropPartial();

    FrameState State() const { return state_; }
    int ToCollect() const { return toCollect_; }

    // The last complete message; all zero before the first.
    const DisplayMessage& Message() const { return message_; }

private:
    FrameState state_ = FrameState::WaitStart;
    uint8_t toCollect_ = 0;
    uint8_t writePosition_ = 0;
    DisplayPayload payload_{};
    DisplayMessage message_{};
};
