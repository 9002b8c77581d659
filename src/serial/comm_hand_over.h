#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

// One batch of serial events found by the event thread.
struct CommEventBatch {
    uint32_t mask = 0;        // EV_ bits, already limited to the monitored events
    bool deviceLost = false;  // the device hung up; the thread ends after this batch
    uint64_t session = 0;     // which Open of the component the thread belongs to
    bool backlog = false;     // input left after a partial read: to be served at once
};

// The hand-over from the event thread to the GUI thread. Delivering never
// waits: a batch delivered while another is still pending is merged into it
// (its bits added), so at most one batch is ever pending and the GUI thread
// learns of every event at least once. The received bytes themselves stay in
// the device's queue, in order, until the owner reads them there.
//
// The waker is called with the batch whenever one becomes pending (not when
// one is merged into it); it must arrange for Take to run on the GUI thread:
// at once for a backlog, else at once or at the owner's next tick (the Qt
// glue posts a call of the component's ServeHandOver, or leaves the batch to
// the tick of a window that serves its port at every tick). A backlog merged
// into a pending batch that is not one calls the waker again. A call of a
// waker that comes after the batch was taken or cancelled finds nothing.
class CommHandOver {
public:
    using Waker = std::function<void(const CommEventBatch& pending)>;

    // Any thread. Called under the hand-over's lock, so clearing the waker
    // guarantees it is not running and will not run again.
    void SetWaker(Waker waker);

    // Any thread: makes the batch pending or merges it into the pending one.
    // False once cancelled: the batch was dropped.
    bool Deliver(const CommEventBatch& batch);

    // GUI thread: the pending batch, if any.
    std::optional<CommEventBatch> Take();
    // GUI thread: drops the pending batch and refuses deliveries until Reset.
    void Cancel();
    void Reset();

private:
    std::optional<CommEventBatch> TakeLocked();

    std::mutex mutex_;
    Waker waker_;
    std::optional<CommEventBatch> pending_;
    std::atomic<bool> hasPending_{false};  // pending_ has a value: Take looks without the lock first
    bool cancelled_ = false;
};
