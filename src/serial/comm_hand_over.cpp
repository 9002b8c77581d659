#include "serial/comm_hand_over.h"

void CommHandOver::SetWaker(std::function<void()> waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

bool CommHandOver::Deliver(const CommEventBatch& batch) {
    std::unique_lock lock(mutex_);
    if (cancelled_) return false;
    const uint64_t number = ++lastNumber_;
    pending_ = Ticket{batch, number};
    if (waker_) waker_();
    finished_.wait(lock, [&] { return finishedNumber_ >= number || cancelled_; });
    if (pending_ && pending_->number == number) pending_.reset();
    return finishedNumber_ >= number;
}

std::optional<CommHandOver::Ticket> CommHandOver::Take() {
    std::lock_guard lock(mutex_);
    std::optional<Ticket> ticket = pending_;
    pending_.reset();
    return ticket;
}

void CommHandOver::Finish(uint64_t number) {
    {
        std::lock_guard lock(mutex_);
        if (number > finishedNumber_) finishedNumber_ = number;
    }
    finished_.notify_all();
}

void CommHandOver::Cancel() {
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
        pending_.reset();
    }
    finished_.notify_all();
}

void CommHandOver::Reset() {
    std::lock_guard lock(mutex_);
    cancelled_ = false;
    pending_.reset();
}
