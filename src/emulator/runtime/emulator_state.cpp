#include "emulator/runtime/emulator_state.h"

#include "emulator/runtime/firmware.h"

void MarkSettingsChanged(Firmware& fw) { fw.State.SaveCountdown = SaveDelayPasses; }
