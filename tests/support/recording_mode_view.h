#pragma once
#include "modes/operating_mode.h"

// The window's side of the mode switch, counted.
struct RecordingModeView : ModeView {
    int online = 0;
    int offline = 0;
    int emulatorStarts = 0;
    void ShowOnlineMode() override { ++online; }
    void ShowOfflineMode() override { ++offline; }
    void StartEmulatorSoon() override { ++emulatorStarts; }
};
