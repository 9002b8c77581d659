#include "support/manual_hand_over.h"

#include <chrono>

ManualHandOver::ManualHandOver(TCustomComm& comm) : comm_(comm) {
    comm_.SetHandOverWaker([this](const CommEventBatch&) {
        std::lock_guard lock(mutex_);
        ++offeredCount_;
        if (std::this_thread::get_id() != owner_) ++offeredElsewhere_;
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

// A wake may announce a batch an earlier serve already took.
bool ManualHandOver::ServeNext() {
    while (WaitForBatch())
        if (comm_.ServeHandOver()) return true;
    return false;
}

int ManualHandOver::Offered() {
    std::lock_guard lock(mutex_);
    return offeredCount_;
}

int ManualHandOver::OfferedElsewhere() {
    std::lock_guard lock(mutex_);
    return offeredElsewhere_;
}
