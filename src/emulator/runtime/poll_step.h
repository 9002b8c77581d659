#pragma once

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/task.h"

// One poll step, the body of every waiting loop of the firmware, in this order:
//   1. the program handles its next event (the chain suspends until it is
//      resumed, unless a tick is already waiting),
//   2. KeyEvent := 0,
//   3. transmit control and 4. squelch evaluation, for the poll iterations
//      that have elapsed,
//   5. hardware poll operations 1 and 2,
//   6. once per 20 ms tick: the periodic hardware operation every seventh
//      tick (not in standby-only mode), the scanning and AUX level duties,
//      the diagnostic tick mark, the status row (outside the menus) and
//      last the key scan, which may set KeyEvent.
// Ends with KeyEvent holding the key code registered, or 0.
Task<> PollStep(Firmware& fw);

// The two halves of PollStep, for a loop that runs it on every tick without
// a coroutine frame per step:
//   co_await NextPollEvent{fw};
//   co_await PollStepWork(fw);
// NextPollEvent is step 1. PollStepWork does steps 2 to 6 at once and returns
// what is left to wait for (the retune of a scan), or a finished Task.
struct NextPollEvent {
    Firmware& fw;
    // A tick that came in during a delay (a scan retune) is handled at once:
    // waiting for the next event first would lose it.
    bool await_ready() const noexcept { return fw.State.TickFlag; }
    void await_suspend(std::coroutine_handle<> waiting) const noexcept { NextEvent{fw}.await_suspend(waiting); }
    void await_resume() const noexcept {}
};
Task<> PollStepWork(Firmware& fw);
