#pragma once
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

// What the system alone spends on sending each display change to each
// browser: `connections` loopback TCP connections, and a thread that writes a
// message of `bytes` bytes to every one of them at every interval, as plain
// write() calls with nothing around them. Another thread drains the far ends.
// The sending thread's own CPU time is the floor the live view's sending is
// measured against.
class PlainSends {
public:
    PlainSends(int connections, std::size_t bytes, std::chrono::microseconds interval);
    ~PlainSends();
    PlainSends(const PlainSends&) = delete;
    PlainSends& operator=(const PlainSends&) = delete;

    // The sending thread's CPU time so far.
    std::chrono::nanoseconds SenderCpu() const { return std::chrono::nanoseconds(senderCpuNs_.load()); }

private:
    void Send();
    void Drain();

    std::vector<int> senders_, receivers_;
    std::size_t bytes_;
    std::chrono::microseconds interval_;
    std::atomic<bool> stop_{false};
    std::atomic<long long> senderCpuNs_{0};
    int wake_[2] = {-1, -1};  // tells the draining thread to end
    std::thread sender_, drainer_;
};
