#include "serial/arrival_ledger.h"

#include <algorithm>

void ArrivalLedger::Reset() {
    std::lock_guard lock(mutex_);
    consumed_ = 0;
    markedThrough_ = 0;
    marks_.clear();
    readStamp_ = {};
}

// A wake-up that took the lock after a read stamped bytes with its own time
// keeps the times in order.
void ArrivalLedger::Mark(Clock::time_point at, uint64_t through) {
    if (!marks_.empty() && through <= marks_.back().through) return;
    if (marks_.size() == kMostMarks)
        marks_.back().through = through;
    else
        marks_.push_back({std::max(at, readStamp_), through});
}

void ArrivalLedger::Split(uint64_t count, std::vector<ByteArrival>& parts) {
    uint64_t at = consumed_;
    const uint64_t end = consumed_ + count;
    auto mark = marks_.begin();
    for (; mark != marks_.end() && at < end; ++mark) {
        if (mark->through <= at) continue;
        const uint64_t partEnd = std::min(mark->through, end);
        parts.push_back({mark->at, static_cast<int32_t>(partEnd - at)});
        at = partEnd;
        if (mark->through > end) break;
    }
    marks_.erase(marks_.begin(), mark);
    if (at < end) {
        readStamp_ = Clock::now();
        parts.push_back({readStamp_, static_cast<int32_t>(end - at)});
    }
    consumed_ = end;
}
