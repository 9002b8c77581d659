#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The wait of the service screens: runs the poll step until `flag` (RefreshFlag
// or the diagnostic tick mark) is set, then clears it and returns true.
// Returns false as soon as the poll step delivers a key code, which ends the
// screen. `eachPoll`, when given, runs before every poll step.
Task<bool> WaitForFlagOrKey(Firmware& fw, bool& flag, void (*eachPoll)(Firmware&) = nullptr);
