#pragma once

#include "emulator/runtime/emulator_wait.h"
#include "emulator/runtime/task.h"

struct Firmware;

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
