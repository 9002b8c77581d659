#include "serial/comm_hand_over.h"

void CommHandOver::SetWaker(Waker waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

bool CommHandOver::Deliver(const CommEventBatch& batch) {
    std::lock_guard lock(mutex_);
    if (cancelled_) return false;
    // A backlog merged into a batch that may be waiting for the owner's tick
    // wakes again, so that it is served at once.
    const bool wake = !pending_ || (batch.backlog && !pending_->backlog);
    if (pending_) {
        pending_->mask |= batch.mask;
        pending_->deviceLost = pending_->deviceLost || batch.deviceLost;
        pending_->backlog = pending_->backlog || batch.backlog;
    } else {
        pending_ = batch;
        hasPending_.store(true, std::memory_order_release);
    }
    if (wake && waker_) waker_(*pending_);
    return true;
}

// Most ticks find nothing pending: they do not take the lock.
std::optional<CommEventBatch> CommHandOver::Take() {
    if (!hasPending_.load(std::memory_order_acquire)) return std::nullopt;
    std::lock_guard lock(mutex_);
    return TakeLocked();
}

std::optional<CommEventBatch> CommHandOver::TakeLocked() {
    std::optional<CommEventBatch> batch = pending_;
    pending_.reset();
    hasPending_.store(false, std::memory_order_relaxed);
    return batch;
}

void CommHandOver::Cancel() {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    TakeLocked();
}

void CommHandOver::Reset() {
    std::lock_guard lock(mutex_);
    cancelled_ = false;
    TakeLocked();
}
