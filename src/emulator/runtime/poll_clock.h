#pragma once
#include <cstdint>

// The firmware counts a few of its waits in poll iterations (the squelch
// filter and close delay, the forced-open squelch, the start-up transmit
// inhibit). The emulator's poll step does not spin, so those counts run on
// time instead: one nominal poll iteration is 10 microseconds of host time,
// whatever the host's speed.
inline constexpr uint32_t MicrosecondsPerPollIteration = 10;

struct Firmware;

// Starts counting poll iterations from now, on the firmware's host clock.
void StartPollClock(Firmware& fw);

// Nominal poll iterations since the previous call (or StartPollClock); the
// fraction of an iteration left over is carried to the next call.
uint32_t ElapsedPollIterations(Firmware& fw);
