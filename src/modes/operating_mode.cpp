#include "modes/operating_mode.h"

#include "emulator/runtime/emulator_tick.h"
#include "emulator/runtime/firmware.h"

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

void EnterOnlineMode(Firmware& fw) {
    if (gView) gView->ShowOnlineMode();
    fw.StopRequest = true;
    fw.HelpText.ShowTopic(kOnlineHelpTopic);
}

void EnterOfflineMode(Firmware& fw) {
    if (gView) gView->ShowOfflineMode();
    fw.StopRequest = false;
    if (!EmulatorRunning && gView) gView->StartEmulatorSoon();
}

void TimeBase(Firmware& fw, uint16_t sliderActivePosition, uint16_t sliderStandbyPosition) {
    if (!EmulatorTick(fw, sliderActivePosition, sliderStandbyPosition)) return;
    if (OnlineWatchdog == 0) return;
    if (--OnlineWatchdog == 0) EnterOfflineMode(fw);
}

void OnlineModeListener::DisplayMessageReceived() {
    if (OnlineWatchdog == 0) EnterOnlineMode(fw_);
    OnlineWatchdog = kWatchdogHalfSeconds;
}
