#include "modes/operating_mode.h"

#include "emulator/runtime/emulator_tick.h"
#include "emulator/runtime/firmware.h"

namespace {
constexpr uint8_t kWatchdogHalfSeconds = 5;
constexpr int16_t kOnlineHelpTopic = 100;
}  // namespace

void OperatingMode::EnterOnlineMode() {
    if (view_) view_->ShowOnlineMode();
    fw_->StopRequest = true;
    fw_->HelpText.ShowTopic(kOnlineHelpTopic);
}

void OperatingMode::EnterOfflineMode() {
    if (view_) view_->ShowOfflineMode();
    fw_->StopRequest = false;
    if (!emulatorRunning_ && view_) view_->StartEmulatorSoon();
}

void OperatingMode::TimeBase(uint16_t sliderActivePosition, uint16_t sliderStandbyPosition) {
    if (!EmulatorTick(*fw_, sliderActivePosition, sliderStandbyPosition)) return;
    if (watchdog_ == 0) return;
    if (--watchdog_ == 0) EnterOfflineMode();
}

void OperatingMode::DisplayMessageReceived() {
    if (watchdog_ == 0) EnterOnlineMode();
    watchdog_ = kWatchdogHalfSeconds;
}
