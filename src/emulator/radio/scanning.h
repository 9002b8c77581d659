#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// Once per tick: the alternation between active and standby while scanning,
// and the priority look at the active frequency. Counts at once; the Task it
// returns is the retune to wait for, finished when none is due.
Task<> ScanningDuty(Firmware& fw);

// Scanning off, and the receiver back on its resting frequency (unless the
// transmitter is keyed: the end of the transmission retunes it), wherever
// the scan had parked it.
void StopScanning(Firmware& fw);
