#pragma once
#include <coroutine>
#include <cstdint>

#include "emulator/runtime/task.h"

// The waits every loop of the emulated firmware is built on. A wait suspends
// the whole chain of coroutines the firmware runs in and hands the thread
// back to the program (timers, mouse, serial link, menus of the main window);
// the firmware's runner resumes the chain after the next event.

struct Firmware;

// The bottom wait: suspends the chain until the program has handled its next
// event, and records in the firmware where to resume it (TakeSuspendedChain).
struct NextEvent {
    Firmware& fw;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiting) const noexcept;
    void await_resume() const noexcept {}
};

// The innermost coroutine of the chain that suspended last, and no longer
// recorded; an empty handle when none suspended since the last call.
std::coroutine_handle<> TakeSuspendedChain(Firmware& fw);

// Waits on the tick time base until MsCounter (2 ms units, +10 per tick) has
// reached ms / 2; so delays are whole ticks, and 0 or 1 return at once. Does
// not run the poll step.
Task<> Delay(Firmware& fw, uint16_t ms);
