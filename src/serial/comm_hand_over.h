#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

// One batch of serial events found by the event thread.
struct CommEventBatch {
    uint32_t mask = 0;        // EV_ bits, already limited to the monitored events
    bool deviceLost = false;  // the device hung up; the thread ends after this batch
    uint64_t session = 0;     // which Open of the component the thread belongs to
};

// The blocking hand-over from the event thread to the GUI thread: the event
// thread delivers a batch and waits until the GUI thread has handled it, or
// until Close cancels the wait. Only one batch is ever pending, because its
// thread waits for it.
//
// The waker is called on the event thread whenever a batch becomes pending;
// it must arrange for Take/Finish to run on the GUI thread soon (the Qt glue
// queues a call to the component's ServeHandOver). Calls of a waker that come
// after the batch was served or cancelled find nothing to do.
class CommHandOver {
public:
    struct Ticket {
        CommEventBatch batch;
        uint64_t number;
    };

    // Any thread. Called under the hand-over's lock, so clearing the waker
    // guarantees it is not running and will not run again.
    void SetWaker(std::function<void()> waker);

    // Event thread: blocks until the GUI thread finished the batch (true) or
    // the hand-over was cancelled (false).
    bool Deliver(const CommEventBatch& batch);

    // GUI thread: the pending batch, if any; finish it with Finish.
    std::optional<Ticket> Take();
    void Finish(uint64_t number);
    // GUI thread: releases a waiting event thread and refuses deliveries
    // until Reset.
    void Cancel();
    void Reset();

    // Bytes the owner has read from the device so far, counted by the
    // component's Read; any thread.
    void CountRead(int32_t bytes) { bytesRead_ += static_cast<uint64_t>(bytes); }
    uint64_t BytesRead() const { return bytesRead_; }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    std::function<void()> waker_;
    std::optional<Ticket> pending_;
    uint64_t lastNumber_ = 0;
    uint64_t finishedNumber_ = 0;
    bool cancelled_ = false;
    std::atomic<uint64_t> bytesRead_{0};
};
