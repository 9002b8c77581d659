#include "emulator/emulator_wait.h"

#include "emulator/emulator_host.h"
#include "emulator/emulator_state.h"
#include "shell/operating_mode.h"

void ProcessEventsOrStop() {
    EmulatorHost* host = AttachedEmulatorHost();
    if (!host) throw EmulatorStop{};
    host->ProcessPendingEvents();
    StopIfRequested();
}

void StopIfRequested() {
    if (StopRequest) throw EmulatorStop{};
}

void Delay(uint16_t ms) {
    EmulatorState.MsCounter = 0;
    while (EmulatorState.MsCounter < ms / 2) ProcessEventsOrStop();
}
