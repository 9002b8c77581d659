#include "emulator/runtime/poll_clock.h"

#include <algorithm>
#include <limits>

#include "emulator/runtime/firmware.h"

void StartPollClock(Firmware& fw) { fw.PollCountedUpTo = fw.Host.NowMicroseconds(); }

uint32_t ElapsedPollIterations(Firmware& fw) {
    const uint64_t now = fw.Host.NowMicroseconds();
    if (now <= fw.PollCountedUpTo) return 0;
    const uint64_t iterations = (now - fw.PollCountedUpTo) / MicrosecondsPerPollIteration;
    fw.PollCountedUpTo += iterations * MicrosecondsPerPollIteration;
    return static_cast<uint32_t>(std::min<uint64_t>(iterations, std::numeric_limits<uint32_t>::max()));
}
