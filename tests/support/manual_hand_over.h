#pragma once
#include <condition_variable>
#include <mutex>
#include <thread>

#include "serial/comm.h"

// Plays the GUI thread's part of a component's hand-over on the test thread:
// the event thread's waker only counts, the test serves batches by hand.
class ManualHandOver {
public:
    explicit ManualHandOver(TCustomComm& comm);
    ~ManualHandOver();
    // Waits until the event thread has offered a batch not yet served;
    // false after 10 s without one.
    bool WaitForBatch();
    // WaitForBatch, then the component's ServeHandOver, until a batch was
    // served; false when WaitForBatch found nothing.
    bool ServeNext();
    int Offered();
    // The offers made on another thread than the one that made this object.
    int OfferedElsewhere();

private:
    TCustomComm& comm_;
    std::mutex mutex_;
    std::condition_variable offered_;
    int offeredCount_ = 0;
    int takenCount_ = 0;
    int offeredElsewhere_ = 0;
    std::thread::id owner_ = std::this_thread::get_id();
};
