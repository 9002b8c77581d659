#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

#include "serial/arrival_ledger.h"
#include "serial/comm_hand_over.h"
#include "serial/serial_status.h"

// The event thread of an open serial device. It sleeps in epoll_wait() on the
// device and on CloseEvent (a pipe) until something happens, turns what
// happened into a batch of EV_ bits and hands the batch to the GUI thread
// without waiting for it to be handled. Each wake-up for new bytes is marked
// in the arrival ledger with its time, so the bytes keep it however late the
// GUI thread reads them. It touches nothing of the component but the
// hand-over and the ledger.
//
// The device is watched edge-triggered: the thread wakes when new bytes
// arrive, not again and again for bytes that wait to be read, so it goes back
// to sleep at once while the GUI thread reads them. Bytes the owner leaves
// unread are therefore reported again only with new bytes; the component
// reports what is left after a partial read itself (TCustomComm::ServeHandOver).
//
// Detected without delay: received bytes (EV_RXCHAR) and the loss of the
// device (hang-up or error, or input that stays readable with nothing to
// read, as a read returning 0 would). A lost device is reported once, with
// EV_ERR, and ends the thread; it never spins on a dead descriptor.
// Line errors and breaks (EV_ERR, EV_BREAK) come from the driver's error
// counts, modem-line changes (EV_CTS, EV_DSR, EV_RLSD, EV_RING) from the
// line status; both are compared on every wake-up. This platform has no
// pollable notification of a modem-line change alone, so such a change is
// reported with the next received bytes. EV_RXFLAG and EV_TXEMPTY are never
// raised: there is no event character here and the component never writes.
// The thread keeps the normal priority: epoll_wait returns as soon as bytes arrive,
// and a higher priority needs privileges the program does not have.
//
// An owner that looks at the device at every tick of its time base anyway may
// take over the watch for new bytes (WatchInput(false), ExamineInput): the
// thread then wakes only for the loss of the device, not once per message,
// and bytes are marked with the time of the tick that found them.
class TCommEventThread {
public:
    static constexpr const char* EventThreadName = "comm-events";

    // Creates CloseEvent and the epoll instance; throws std::system_error
    // when it cannot.
    TCommEventThread(int device, uint32_t eventMask, uint64_t session, CommHandOver& handOver, ArrivalLedger& arrivals);
    ~TCommEventThread();  // waits for the thread's end, closes CloseEvent and epoll

    TCommEventThread(const TCommEventThread&) = delete;
    TCommEventThread& operator=(const TCommEventThread&) = delete;

    // Starts the thread body; throws std::system_error when it cannot.
    void Start();
    // Signals CloseEvent, then marks the thread terminated. The caller also
    // cancels the hand-over, so that no batch of this thread is served later.
    void Stop();
    void WaitFor();

    // Any thread: whether the thread wakes for new bytes (it does from Start
    // on when the event mask asks for them). Bytes waiting when the watch is
    // resumed wake it at once.
    void WatchInput(bool watched);
    // The owner's thread, while the input is not watched: the batch for the
    // bytes waiting now, marked with the time now, with the line's status
    // compared as at a wake-up; an empty batch when none are waiting.
    CommEventBatch ExamineInput();

private:
    void Execute();
    // The batch for one wake-up at `at` with the device's epoll `events`.
    CommEventBatch Examine(uint32_t events, ArrivalLedger::Clock::time_point at);
    uint32_t DeviceEvents(bool inputWatched) const;
    // Marks the bytes waiting in the ledger.
    ArrivalLedger::Waiting MarkWaitingInput(ArrivalLedger::Clock::time_point at);
    // Adds the line errors, breaks and modem-line changes since the last look,
    // then keeps only the monitored events.
    void AddLineStatus(CommEventBatch& batch);
    // Readable now with nothing to read: the end of the device's input. No
    // read of the GUI thread comes between the two looks.
    bool AtEndOfInput();

    int device_;
    uint32_t eventMask_;
    uint64_t session_;
    CommHandOver& handOver_;
    ArrivalLedger& arrivals_;
    int closeEvent_[2];  // read end watched, write end signalled by Stop
    int epoll_ = -1;     // the device and CloseEvent's read end
    std::atomic<bool> terminated_{false};
    std::mutex examining_;  // the thread's wake-ups and the owner's ExamineInput
    std::thread thread_;
    std::optional<SerialCounters> counters_;
    std::optional<int> modemLines_;
};
