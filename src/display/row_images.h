#pragma once
#include <cstdint>

#include "display/lcd_geometry.h"

// Whole-row images (104 column bytes) shared by the emulated main screen and
// the online display.
extern const uint8_t HeaderBarImage[LcdWidth];
extern const uint8_t ActiveBarImage[LcdWidth];
extern const uint8_t StandbyBarImage[LcdWidth];
extern const uint8_t RxBannerImage[LcdWidth];
extern const uint8_t TxBannerImage[LcdWidth];
