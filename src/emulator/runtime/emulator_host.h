#pragma once
#include <cstdint>
#include <string>

// What the emulated firmware needs from the program around it. The shell
// fills it with the system clock and a message box; tests with a scripted
// clock and a list of errors.
class EmulatorHost {
public:
    virtual ~EmulatorHost() = default;
    // Monotonic time in microseconds.
    virtual uint64_t NowMicroseconds() = 0;
    // Shows a failure to the user (a plain message box in the program, opened
    // once the firmware has handed the thread back).
    virtual void ReportError(const std::string& message) = 0;
};
