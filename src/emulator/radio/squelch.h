#pragma once
#include <cstdint>

struct Firmware;

// Opens and closes the squelch on RxLevel: a low-pass filter (weight 127/128
// per iteration), an immediate open above the threshold, a close after
// CloseDelayIterations below threshold - 30 and ForcedOpen. Behaves as the
// given number of single iterations; once the filter has settled (an
// iteration leaves it unchanged) the rest is counted without iterating.
void SquelchEvaluation(Firmware& fw, uint32_t iterations);
