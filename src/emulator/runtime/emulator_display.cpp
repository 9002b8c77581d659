#include "emulator/runtime/emulator_display.h"

namespace {
LcdFrame gUnshownFrame;
Lcd gUnshownLcd(gUnshownFrame);
Lcd* gLcd = nullptr;
}  // namespace

void EmulatorAttachLcd(Lcd* lcd) { gLcd = lcd; }

Lcd& EmulatorLcd() { return gLcd ? *gLcd : gUnshownLcd; }
