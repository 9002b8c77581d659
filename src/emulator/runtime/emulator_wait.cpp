#include "emulator/runtime/emulator_wait.h"

#include "emulator/runtime/emulator_host.h"
#include "emulator/runtime/emulator_state.h"

bool StopRequest = false;

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
