#include "emulator/emulator_run.h"

#include "display/lcd.h"
#include "emulator/emulator_host.h"
#include "shell/operating_mode.h"

namespace {
EmulatorHost* gHost = nullptr;
}

void EmulatorAttachHost(EmulatorHost* host) { gHost = host; }

void EmulatorRun() {
    while (!StopRequest && gHost) gHost->ProcessPendingEvents();
    LcdClear();
}
