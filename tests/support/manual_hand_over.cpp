#include "support/manual_hand_over.h"

#include <chrono>

ManualHandOver::ManualHandOver(TCustomComm& comm) : comm_(comm) {
    comm_.SetHandOverWaker([this](const CommEventBatch&) {
        std::lock_guard lock(mutex_);
        ++offeredCount_;
        offered_.notify_all();
    });
}

ManualHandOver::~ManualHandOver() { comm_.SetHandOverWaker(nullptr); }

bool ManualHandOver::WaitForBatch() {
    std::unique_lock lock(mutex_);
    if (!offered_.wait_for(lock, std::chrono::seconds(10), [this] { return offeredCount_ > takenCount_; }))
        return false;
    ++takenCount_;
    return true;
}

bool ManualHandOver::ServeNext() { return WaitForBatch() && comm_.ServeHandOver(); }

int ManualHandOver::Offered() {
    std::lock_guard lock(mutex_);
    return offeredCount_;
}
