#pragma once
#include <cstdint>
#include <string>

// What the emulated firmware needs from the program around it. The shell
// fills it with the GUI event loop and the system clock; tests with a scripted
// clock that delivers ticks and inputs.
class EmulatorHost {
public:
    virtual ~EmulatorHost() = default;
    // Lets the GUI handle its pending events (timers, mouse, serial, menus).
    // Blocks until at least one event was handled; the 20 ms time base
    // guarantees a wake-up every tick.
    virtual void ProcessPendingEvents() = 0;
    // Monotonic time in microseconds.
    virtual uint64_t NowMicroseconds() = 0;
    // Shows a failure to the user (a plain message box in the program).
    virtual void ReportError(const std::string& message) = 0;
};

void EmulatorAttachHost(EmulatorHost* host);
// The host attached, or nullptr.
EmulatorHost* AttachedEmulatorHost();
