#pragma once
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

#include "serial/display_byte_source.h"

// When the bytes waiting in a device's input queue arrived, so that bytes
// read some time later still carry the time they came in.
//
// The event thread marks each wake-up for new bytes with its time and the
// bytes then waiting; the GUI thread reads through Consume, which counts what
// it read and splits it by those marks. Bytes are counted from the device's
// open on, so a mark says "every byte up to number N had arrived at T". Both
// sides take the ledger's lock around the device call (the queue size, the
// read), so a mark never counts bytes that a read has already taken.
// Bytes read before any mark covers them are stamped with the time of the
// read: they arrived a moment earlier and their wake-up is still on its way.
class ArrivalLedger {
public:
    using Clock = std::chrono::steady_clock;

    // What a look at the input queue found: nothing, only bytes an earlier
    // look marked already (left unread), or new bytes.
    enum class Waiting { Nothing, Marked, New };

    // Event thread: marks the bytes that are waiting at `at`. `waitingNow`
    // gives the input queue's size (or a negative value) and runs under the
    // lock, so that bytes left unread are reported as new only once.
    template <typename WaitingNow>
    Waiting Arrived(Clock::time_point at, WaitingNow waitingNow) {
        return MarkArrival([at] { return at; }, waitingNow);
    }
    // The same for an owner that looks at its ticks: the time is taken only
    // when new bytes are waiting.
    template <typename WaitingNow>
    Waiting ArrivedNow(WaitingNow waitingNow) {
        return MarkArrival([] { return Clock::now(); }, waitingNow);
    }
    // Runs `look` (a look at the device) under the lock, so that no read
    // takes bytes in the middle of it.
    template <typename Look>
    auto WithoutReads(Look look) {
        std::lock_guard lock(mutex_);
        return look();
    }

    // GUI thread: runs `readNow` (the bytes read, or a negative value) under
    // the lock and fills `parts` with when the bytes read arrived, oldest
    // first. Returns what readNow returned.
    template <typename ReadNow>
    ssize_t Consume(ReadNow readNow, std::vector<ByteArrival>& parts) {
        std::lock_guard lock(mutex_);
        parts.clear();
        const ssize_t n = readNow();
        if (n > 0) Split(static_cast<uint64_t>(n), parts);
        return n;
    }

    // Forgets every mark and count: a new open starts from byte 0.
    void Reset();

private:
    template <typename Time, typename WaitingNow>
    Waiting MarkArrival(Time time, WaitingNow waitingNow) {
        std::lock_guard lock(mutex_);
        const int32_t waiting = waitingNow();
        if (waiting <= 0) return Waiting::Nothing;
        const uint64_t through = consumed_ + static_cast<uint64_t>(waiting);
        if (through <= markedThrough_) return Waiting::Marked;
        markedThrough_ = through;
        Mark(time(), through);
        return Waiting::New;
    }

    struct ArrivalMark {
        Clock::time_point at;
        uint64_t through;  // the bytes counted since the open that had arrived at `at`
    };
    // At most this many marks wait; a further one only extends the newest.
    static constexpr std::size_t kMostMarks = 64;

    void Mark(Clock::time_point at, uint64_t through);
    void Split(uint64_t count, std::vector<ByteArrival>& parts);

    std::mutex mutex_;
    uint64_t consumed_ = 0;
    uint64_t markedThrough_ = 0;  // the bytes counted since the open that a mark has covered
    std::vector<ArrivalMark> marks_;
    Clock::time_point readStamp_;  // the last time a read stamped bytes no mark covered
};
