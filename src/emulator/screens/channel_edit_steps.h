#pragma once
#include <cstdint>
#include <string_view>

// The single steps of the device channel editor's UP and DOWN keys.

// The characters a name or type character steps through, in order (no Z).
inline constexpr std::string_view NameCharset = "-*<>0123456789 ABCDEFGHIJKLMNOPQRSTUVWXY";

// The frequency one step up or down, within 108.000..136.975 MHz. First the
// MHz part is clamped to 108..136 and the kHz part brought down onto the step
// grid (25 or 50 kHz). The MHz part stops at 108 and 136, and reaching 136
// clears the kHz part; the kHz part wraps inside the same MHz.
int32_t StepEditedFrequency(int32_t kHz, bool khzPart, bool up, bool step25);

// The next (up) or previous character of NameCharset, wrapping at both ends;
// a character outside the set becomes the first one, "-".
char StepNameCharacter(char c, bool up);
