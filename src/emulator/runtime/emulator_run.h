#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The emulated firmware: start-up, splash screen and main loop, as one
// coroutine that a FirmwareRunner runs. It runs until StopRequest is set; the
// runner then destroys it, from whatever screen, and calls EmulatorRunEnded.
Task<> EmulatorRun(Firmware& fw);

// The end of a run: a settings change not yet saved is written, a
// transmission ended and the display cleared.
void EmulatorRunEnded(Firmware& fw);
