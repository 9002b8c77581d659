#include "firmware_soak/idle_firmware.h"

#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_tick.h"
#include "modes/global_state.h"
#include "modes/operating_mode.h"

namespace {

// The splash has given way to the main screen after 125 ticks.
constexpr int kTicksToMainScreen = 150;

}  // namespace

IdleFirmware::FreshState::FreshState() { ResetGlobalState(); }

IdleFirmware::IdleFirmware() {
    EmulatorAttachHost(this);
    EmulatorAttachLcd(&lcd_);
    runner_.Start();
    for (int tick = 0; tick < kTicksToMainScreen; ++tick) Tick();
}

IdleFirmware::~IdleFirmware() {
    runner_.Stop();
    EmulatorAttachLcd(nullptr);
    EmulatorAttachHost(nullptr);
    ResetGlobalState();
}

void IdleFirmware::Tick() {
    now_ += TickMicroseconds;
    TimeBase(SliderMaximum, SliderMaximum);
    runner_.Resume();
}
