#pragma once
#include <cstdint>

struct Firmware;

// Looks through the frequency database from channel index 0 upward for the
// first record on this frequency; on success sets State.FoundChannel to its
// index.
// Without a match returns false and leaves FoundChannel as it was.
bool FindChannelByFrequency(Firmware& fw, int32_t kHz);
