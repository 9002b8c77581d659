#pragma once
#include <cstdint>

// Looks through FreqTable from channel index 0 upward for the first record on
// this frequency; on success sets EmulatorState.FoundChannel to its index.
// Without a match returns false and leaves FoundChannel as it was.
bool FindChannelByFrequency(int32_t kHz);
