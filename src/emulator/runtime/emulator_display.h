#pragma once

#include "display/lcd.h"

// The display the firmware draws on. Until one is attached the firmware
// draws on a display of its own that no one shows.
void EmulatorAttachLcd(Lcd* lcd);
Lcd& EmulatorLcd();
