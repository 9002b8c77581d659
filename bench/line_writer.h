#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include "display_message_builder.h"

// The transceiver at the line's full rate: a 44-byte display message every
// 45.8 ms (9600 bit/s, 8-N-1), each one changing the display, written to
// every line given, from a thread of its own so that its timing does not
// wait on this process's event loop.
class LineWriter {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::microseconds Interval{44 * 1000000 / 960};

    // The display of message `step`: the simulator's demo with the received
    // level moving on every message.
    static SimulatedDisplay DisplayAt(uint32_t step);

    explicit LineWriter(std::vector<int> lines) : lines_(std::move(lines)) {}
    ~LineWriter() { Stop(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Sends messages `first`, `first` + 1, ... until `count` were sent
    // (0: until Stop), noting when each one had been written.
    void Start(uint32_t first, uint32_t count);
    void Stop();
    bool Done() const { return done_; }
    // When message `first` + i had been written to every line.
    const std::vector<Clock::time_point>& Written() const { return written_; }

private:
    void Run(uint32_t first, uint32_t count);

    std::vector<int> lines_;
    std::vector<Clock::time_point> written_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    std::thread thread_;
};
