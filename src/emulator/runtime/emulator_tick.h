#pragma once
#include <cstdint>

struct Firmware;

// Signal slider positions: 0 at the top (strongest) to 371 at the bottom (none).
inline constexpr uint16_t SliderMaximum = 371;

// The tick operation, every 20 ms: samples the slider of the frequency being
// received into RxLevel (in direct selection always the active one, under
// which that frequency is shown) and advances the time base. Returns true on
// every 25th tick, when the 500 ms events happened.
bool EmulatorTick(Firmware& fw, uint16_t sliderActivePosition, uint16_t sliderStandbyPosition);
