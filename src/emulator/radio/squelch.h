#pragma once
#include <cstdint>

// Opens and closes the squelch on RxLevel: a low-pass filter (weight 127/128
// per iteration), an immediate open above the threshold, a close after
// CloseDelayIterations below threshold - 30 and ForcedOpen. Behaves as the
// given number of single iterations; past a few thousand the filter has
// settled and the rest is counted without iterating.
void SquelchEvaluation(uint32_t iterations);
