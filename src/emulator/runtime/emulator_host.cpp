#include "emulator/runtime/emulator_host.h"

namespace {
EmulatorHost* gHost = nullptr;
}

void EmulatorAttachHost(EmulatorHost* host) { gHost = host; }

EmulatorHost* AttachedEmulatorHost() { return gHost; }
