#pragma once
#include <cstdint>

// Frames display messages out of the received byte stream. The state lives
// on between serial events, so a message may arrive split over any number of
// reads. The device link drops a message begun but not finished when the
// line fell silent or the port changed (device_link.h).
//
//   state      byte        action                                   next
//   WaitStart  02          -                                        WaitType
//   WaitStart  other       ignored                                  WaitStart
//   WaitType   05          -                                        WaitZero
//   WaitType   other       dropped                                  WaitStart
//   WaitZero   00          collect 41 bytes into DisplayFrame       Collect
//   WaitZero   other       dropped                                  WaitStart
//   Collect    any         stored; after the 41st: message complete WaitStart
//
// A dropped byte is not looked at again as a start byte, so 02 02 05 00 does
// not start a message; payload bytes are taken as they come, 02 included.

enum class FrameState : uint8_t { WaitStart, WaitType, WaitZero, Collect };

struct FrameReceiverRecord {
    FrameState State = FrameState::WaitStart;
    uint8_t ToCollect = 0;
    uint8_t WritePosition = 0;    // index into DisplayFrame
    void (*Handler)() = nullptr;  // set with the header; draws the message
};

extern FrameReceiverRecord FrameReceiver;

// Feeds one byte. Returns true when it completed a message, after the
// message's handler ran and the state went back to WaitStart.
bool FrameReceiverFeed(uint8_t byte);

// Back to waiting for a start byte: the message being collected, if any, is
// dropped.
void FrameReceiverDropPartial();
