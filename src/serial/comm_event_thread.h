#pragma once
#include <atomic>
#include <cstdint>
#include <thread>

#include "serial/comm_hand_over.h"
#include "serial/serial_status.h"

// The event thread of an open serial device. It sleeps in poll() on the
// device and on CloseEvent (a pipe) until something happens, turns what
// happened into a batch of EV_ bits and hands the batch to the GUI thread,
// waiting there until it was handled. It touches nothing of the component
// but the hand-over.
//
// Detected without delay: received bytes (EV_RXCHAR) and the loss of the
// device (poll reports hang-up or error, or input with nothing to read, as a
// read returning 0 would). A lost device is reported once, with EV_ERR, and
// ends the thread; it never spins on a dead descriptor.
// Line errors and breaks (EV_ERR, EV_BREAK) come from the driver's error
// counts, modem-line changes (EV_CTS, EV_DSR, EV_RLSD, EV_RING) from the
// line status; both are compared on every wake-up. This platform has no
// pollable notification of a modem-line change alone, so such a change is
// reported with the next received bytes. EV_RXFLAG and EV_TXEMPTY are never
// raised: there is no event character here and the component never writes.
// The thread keeps the normal priority: poll returns as soon as bytes arrive,
// and a higher priority needs privileges the program does not have.
class TCommEventThread {
public:
    static constexpr const char* EventThreadName = "comm-events";

    // Creates CloseEvent; throws std::system_error when it cannot.
    TCommEventThread(int device, uint32_t eventMask, uint64_t session, CommHandOver& handOver);
    ~TCommEventThread();  // waits for the thread's end, closes CloseEvent

    TCommEventThread(const TCommEventThread&) = delete;
    TCommEventThread& operator=(const TCommEventThread&) = delete;

    // Starts the thread body; throws std::system_error when it cannot.
    void Start();
    // Signals CloseEvent, then marks the thread terminated. The caller must
    // also cancel the hand-over so that a thread waiting there returns.
    void Stop();
    void WaitFor();

private:
    void Execute();
    // The batch for one wake-up of poll with the device's `revents`.
    CommEventBatch Examine(short revents);
    void NoteWhetherTheOwnerRead(uint64_t readBefore);

    static constexpr int kIgnoredInputRecheckMs = 50;

    int device_;
    uint32_t eventMask_;
    uint64_t session_;
    CommHandOver& handOver_;
    int closeEvent_[2];  // read end polled, write end signalled by Stop
    std::atomic<bool> terminated_{false};
    std::thread thread_;
    std::optional<SerialCounters> counters_;
    std::optional<int> modemLines_;
    int32_t waitingAtBatch_ = 0;     // input bytes when the last batch was made
    int32_t unreadAfterBatch_ = -1;  // input the owner left untouched, or -1
    uint64_t readMark_ = 0;          // the owner's bytes read after the last batch
};
