#include "emulator/runtime/emulator_state.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_host.h"
#include "emulator/runtime/emulator_wait.h"
#include "emulator/runtime/poll_clock.h"

EmulatorStateRecord EmulatorState;

void EmulatorResetState() {
    EmulatorState = {};
    EepromSettings = {};
    EmulatedHardware = {};
    PanelInputs = {};
    StopRequest = false;
    TakeSuspendedChain();
    SettingsStoreResetState();
    PollClockResetState();
    EmulatorAttachHost(nullptr);
    EmulatorAttachLcd(nullptr);
}
