#include "modes/operating_mode.h"

#include "emulator/runtime/emulator_tick.h"
#include "emulator/runtime/emulator_wait.h"
#include "help/help.h"

bool EmulatorRunning = false;
uint8_t OnlineWatchdog = 0;

namespace {
ModeView* gView = nullptr;
constexpr uint8_t kWatchdogHalfSeconds = 5;
constexpr int16_t kOnlineHelpTopic = 100;
}  // namespace

void ModeAttachView(ModeView* view) { gView = view; }

void OperatingModeResetState() {
    EmulatorRunning = false;
    OnlineWatchdog = 0;
    gView = nullptr;
}

void EnterOnlineMode() {
    if (gView) gView->ShowOnlineMode();
    StopRequest = true;
    ShowHelpTopic(kOnlineHelpTopic);
}

void EnterOfflineMode() {
    if (gView) gView->ShowOfflineMode();
    StopRequest = false;
    if (!EmulatorRunning && gView) gView->StartEmulatorSoon();
}

void TimeBase(uint16_t sliderActivePosition, uint16_t sliderStandbyPosition) {
    if (!EmulatorTick(sliderActivePosition, sliderStandbyPosition)) return;
    if (OnlineWatchdog == 0) return;
    if (--OnlineWatchdog == 0) EnterOfflineMode();
}

void OnlineModeListener::DisplayMessageReceived() {
    if (OnlineWatchdog == 0) EnterOnlineMode();
    OnlineWatchdog = kWatchdogHalfSeconds;
}
