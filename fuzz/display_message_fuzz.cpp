// The display message receiver fed any byte stream in any chunks, drawing
// into a frame. The input starts with the chunking: a byte whose
// low three bits give the number of event entries (1..8), then the entries,
// two bytes each, little-endian: bits 0..14 the bytes that arrive before the
// event, bit 15 set when the event's read fails. The rest is what the line
// carries. The entries are used in turn; each event reports every byte
// waiting, as the serial component does, and what one read leaves stays
// waiting for the next event.
//
// Checked: every read asks for at most 1000 bytes; the messages found do not
// depend on the chunking (feeding the same bytes one at a time completes as
// many as were drawn); the receiver's state stays within its bounds; and the operating mode
// is online exactly when a message arrived.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "common/little_endian.h"
#include "display/display_message_drawing.h"
#include "display/lcd.h"
#include "fuzz_check.h"
#include "link/device_link.h"
#include "message/display_message.h"
#include "message/frame_receiver.h"
#include "modes/operating_mode.h"
#include "support/idle_firmware.h"

namespace {

// Counts the messages the link completed, after they were drawn, and passes
// them on to the operating mode.
class CountingListener : public DisplayMessageListener {
public:
    explicit CountingListener(DisplayMessageListener& next) : next_(next) {}
    void DisplayMessageReceived() override {
        ++messages;
        next_.DisplayMessageReceived();
    }
    long messages = 0;

private:
    DisplayMessageListener& next_;
};

// Time stands still: every chunk arrives at once, as fast as the chunking
// makes it, so no message is dropped for silence.
class StillClock : public LinkClock {
public:
    uint64_t NowMicroseconds() const override { return 0; }
};

struct Event {
    int32_t arriving;
    bool readFails;
};

// The serial port's receive queue: bytes arrive from the line and wait until
// a read takes them.
class LineQueue : public DisplayByteSource {
public:
    LineQueue(const uint8_t* line, size_t size) : line_(line), size_(size) {}

    void Arrive(int32_t count) { arrived_ = std::min(size_, arrived_ + static_cast<size_t>(count)); }
    int32_t Waiting() const { return static_cast<int32_t>(arrived_ - taken_); }
    bool AllTaken() const { return taken_ == size_; }
    size_t Taken() const { return taken_; }
    bool failReads = false;

    int32_t Read(uint8_t* buffer, int32_t count) override {
        FuzzCheck(count >= 0 && count <= DeviceLinkReadSize, "a read asks for at most 1000 bytes");
        if (failReads) return -1;
        const auto n = std::min(static_cast<size_t>(count), arrived_ - taken_);
        std::copy_n(line_ + taken_, n, buffer);
        taken_ += n;
        return static_cast<int32_t>(n);
    }
    uint64_t Connection() const override { return 1; }

private:
    const uint8_t* line_;
    size_t size_;
    size_t arrived_ = 0;
    size_t taken_ = 0;
};

// Runs events in turn until the line is drained, or a whole round of events
// moved no byte.
void Deliver(DeviceLink& link, LineQueue& queue, const Event* events, size_t eventCount) {
    bool moved = true;
    while (!queue.AllTaken() && moved) {
        moved = false;
        for (size_t i = 0; i < eventCount; ++i) {
            const size_t before = queue.Taken();
            const int32_t waitingBefore = queue.Waiting();
            queue.Arrive(events[i].arriving);
            queue.failReads = events[i].readFails;
            if (queue.Waiting() > 0) link.Receive(queue, queue.Waiting());
            moved = moved || queue.Taken() != before || queue.Waiting() != waitingBefore;
        }
    }
}

void CheckReceiverBounds(const FrameReceiver& r) {
    FuzzCheck(r.State() <= FrameState::Collect, "the receiver's state is one of its four");
    if (r.State() == FrameState::Collect)
        FuzzCheck(r.ToCollect() >= 1 && r.ToCollect() <= DisplayFrameSize,
                  "a message being collected still fits its payload buffer");
}

// The messages a frame receiver of its own completes from the same bytes fed
// one at a time.
long MessagesFedOneByteAtATime(const uint8_t* line, size_t size) {
    FrameReceiver receiver;
    long messages = 0;
    for (size_t i = 0; i < size; ++i) messages += receiver.Feed(line[i]) ? 1 : 0;
    return messages;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t eventCount = (data[0] & 7u) + 1;
    const size_t header = 1 + 2 * eventCount;
    if (size < header) return 0;
    Event events[8];
    for (size_t i = 0; i < eventCount; ++i) {
        const auto entry = static_cast<uint16_t>(ReadLe16(data + 1 + 2 * i));
        events[i] = {static_cast<int32_t>(entry & 0x7FFF), (entry & 0x8000) != 0};
    }
    const uint8_t* line = data + header;
    const size_t lineSize = size - header;

    LcdFrame frame;
    Lcd lcd(frame);
    IdleFirmware unit;
    OperatingMode mode(unit.fw);
    CountingListener counted(mode);
    StillClock clock;
    DeviceLink link(lcd, counted, clock);
    LineQueue queue(line, lineSize);
    Deliver(link, queue, events, eventCount);
    CheckReceiverBounds(link.Receiver());
    const bool online = mode.Online();
    FuzzCheck(online == (counted.messages > 0), "the link is online exactly when a message arrived");
    FuzzCheck(unit.fw.StopRequest == online, "going online stops the emulator");

    const long oneByteAtATime = MessagesFedOneByteAtATime(line, queue.Taken());
    FuzzCheck(counted.messages == oneByteAtATime, "the chunking does not change the messages found");
    return 0;
}
