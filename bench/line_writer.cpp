#include "line_writer.h"

#include <unistd.h>

#include "demo_sequence.h"

SimulatedDisplay LineWriter::DisplayAt(uint32_t step) {
    SimulatedDisplay d = DemoDisplay(step);
    if (!d.transmitting) d.rxLevel = static_cast<uint8_t>((step * 37) % 64);
    return d;
}

void LineWriter::Start(uint32_t first, uint32_t count) {
    Stop();
    written_.clear();
    written_.reserve(count);
    stop_ = false;
    done_ = false;
    thread_ = std::thread([this, first, count] { Run(first, count); });
}

void LineWriter::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

// Bytes a full line cannot take are lost, as on a line nobody reads.
void LineWriter::Run(uint32_t first, uint32_t count) {
    Clock::time_point due = Clock::now();
    for (uint32_t i = 0; !stop_ && (count == 0 || i < count); ++i) {
        const DisplayMessageBytes message = BuildDisplayMessage(DisplayAt(first + i));
        for (const int line : lines_) [[maybe_unused]] const ssize_t n = write(line, message.data(), message.size());
        if (count != 0) written_.push_back(Clock::now());
        due += Interval;
        std::this_thread::sleep_until(due);
    }
    done_ = true;
}
