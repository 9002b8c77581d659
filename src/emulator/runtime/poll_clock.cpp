#include "emulator/runtime/poll_clock.h"

#include <algorithm>
#include <limits>

#include "emulator/runtime/emulator_host.h"

namespace {

uint64_t gCountedUpTo = 0;  // host time up to which iterations were handed out

uint64_t Now() {
    EmulatorHost* host = AttachedEmulatorHost();
    return host ? host->NowMicroseconds() : gCountedUpTo;
}

}  // namespace

void PollClockResetState() { gCountedUpTo = 0; }

void StartPollClock() { gCountedUpTo = Now(); }

uint32_t ElapsedPollIterations() {
    const uint64_t now = Now();
    if (now <= gCountedUpTo) return 0;
    const uint64_t iterations = (now - gCountedUpTo) / MicrosecondsPerPollIteration;
    gCountedUpTo += iterations * MicrosecondsPerPollIteration;
    return static_cast<uint32_t>(std::min<uint64_t>(iterations, std::numeric_limits<uint32_t>::max()));
}
