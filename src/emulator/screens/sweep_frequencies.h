#pragma once
#include <cstdint>

// Frequencies of the sweep tests, in units of 10 kHz (11200 is 112.00 MHz).
// Every sweep starts at 112.00 MHz and starts again there instead of reaching
// 144.00 MHz.
inline constexpr int32_t SweepFirst = 11200;
inline constexpr int32_t SweepEnd = 14400;

inline constexpr int32_t Wrapped(int32_t f) { return f >= SweepEnd ? SweepFirst : f; }

// The 2 MHz steps of the receiver and transmitter step tests.
inline constexpr int32_t NextWideStep(int32_t f) { return Wrapped(f + 200); }

// 112.00, 112.02, 112.05, 112.07, ...: the .02 and .07 stand for the 25 kHz
// channels ending in 25 and 75.
inline constexpr bool IsQuarterChannel(int32_t f) { return f % 10 == 2 || f % 10 == 7; }

// The receiver scan test's steps: the 25 kHz channels with Step25, else 50 kHz.
inline constexpr int32_t NextScanStep(int32_t f, bool step25) {
    if (!step25) return Wrapped(f + 5);
    return Wrapped(f + (IsQuarterChannel(f) ? 3 : 2));
}
