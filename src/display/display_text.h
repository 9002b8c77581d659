#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Text helpers of the transceiver's screens, shared by the emulated firmware
// and the online display.

// The unsigned 16-bit number as decimal text, right-aligned with blanks to 5.
std::string pad5(uint16_t n);

// Exactly 6 characters: the first 6 of s with blanks trimmed at both ends,
// then padded alternately (append on odd length, prepend on even).
// Only code 32 counts as a blank.
std::string Center6(std::string_view s);

// A frequency in kHz as the large 6-character display text: pad5 of
// kHz / 10 (truncated, low 16 bits) with "." before the fourth character,
// 118000 -> "118.00".
std::string FormatFreq6(int32_t kHz);
