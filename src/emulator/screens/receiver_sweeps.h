#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The service screens the Setup menu opens. Each is a waiting loop on the
// poll step that ends on the first key code the poll step delivers (any key,
// repeats and long presses included); the Setup menu then redraws fully.

// " RX 200Khz ": the receiver stepped through 112.00, 114.00, ... 142.00 MHz
// and round again, 0.5 to 1 s on each, with the live receive level bar.
// Retunes the receiver to its normal frequency on exit.
Task<> RunReceiverStepTest(Firmware& fw);
// " RX Test ": the receiver stepped through the band in 50 kHz steps (25 kHz
// channels with Step25) from 112.00 MHz, 5 ticks on a frequency without a
// signal and 100 ticks on one with a signal above the squelch threshold.
// Retunes the receiver to its normal frequency on exit.
Task<> RunReceiverScanTest(Firmware& fw);
