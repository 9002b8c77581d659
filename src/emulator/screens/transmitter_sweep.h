#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The service screens the Setup menu opens. Each is a waiting loop on the
// poll step that ends on the first key code the poll step delivers (any key,
// repeats and long presses included); the Setup menu then redraws fully.

// " TX Test ": the transmitter stepped through 11200, 11400, ... 14200 (10 kHz
// units), three ticks each, the transmit-enable line on during the first.
// On exit the receiver is tuned again, which also drops the enable line.
Task<> RunTransmitterStepTest(Firmware& fw);
