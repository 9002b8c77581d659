#pragma once
#include <coroutine>
#include <cstdint>

#include "emulator/runtime/task.h"

// The waits every loop of the emulated firmware is built on. A wait suspends
// the whole chain of coroutines the firmware runs in and hands the thread
// back to the program (timers, mouse, serial link, menus of the main window);
// the firmware's runner resumes the chain after the next event.

// Set to end the emulator run: by the shell when a transceiver comes online
// and when the window closes; cleared before a new run starts. The runner
// stops the run instead of resuming it while this is set. GUI thread only.
extern bool StopRequest;

// The bottom wait: suspends the chain until the program has handled its next
// event, and records where to resume it (TakeSuspendedChain).
struct NextEvent {
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiting) const noexcept;
    void await_resume() const noexcept {}
};

// The innermost coroutine of the chain that suspended last, and no longer
// recorded; an empty handle when none suspended since the last call.
std::coroutine_handle<> TakeSuspendedChain();

// Waits on the tick time base until MsCounter (2 ms units, +10 per tick) has
// reached ms / 2; so delays are whole ticks, and 0 or 1 return at once. Does
// not run the poll step.
Task<> Delay(uint16_t ms);
