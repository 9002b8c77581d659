#pragma once
#include <cstdint>

struct Firmware;

// Looks through FreqTable from channel index 0 upward for the first record on
// this frequency; on success sets EmulatorState.FoundChannel to its index.
// Without a match returns false and leaves FoundChannel as it was.
bool FindChannelByFrequency(Firmware& fw, int32_t kHz);
