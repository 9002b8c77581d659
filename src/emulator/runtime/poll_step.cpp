#include "emulator/runtime/poll_step.h"

#include <utility>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/keys/key_scan.h"
#include "emulator/radio/aux_level.h"
#include "emulator/radio/scanning.h"
#include "emulator/radio/squelch.h"
#include "emulator/radio/transmit_control.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/poll_clock.h"
#include "emulator/screens/status_row.h"

namespace {

constexpr uint8_t kPeriodicTicks = 7;

void DutiesAfterScanning() {
    EmulatorStateRecord& s = EmulatorState;
    AuxLevelDuty();
    s.DiagTickMark = true;
    if (!s.MenuActive) UpdateStatusRow();
    KeyScan();
}

Task<> DutiesAfterRetune(Task<> retune) {
    co_await retune;
    DutiesAfterScanning();
}

// Waits only while the scanning duty retunes.
Task<> TickDuties() {
    EmulatorStateRecord& s = EmulatorState;
    if (++s.SevenTickCounter >= kPeriodicTicks) s.SevenTickCounter = 0;
    if (s.SevenTickCounter == 0 && EepromSettings.DualMode < 2) HardwarePeriodicOperation();
    Task<> scanning = ScanningDuty();
    if (!scanning.Done()) return DutiesAfterRetune(std::move(scanning));
    DutiesAfterScanning();
    return {};
}

}  // namespace

Task<> PollStepWork() {
    EmulatorState.KeyEvent = KeyNone;
    const uint32_t iterations = ElapsedPollIterations();
    TransmitControl(iterations);
    SquelchEvaluation(iterations);
    HardwarePollOperation1();
    HardwarePollOperation2();
    if (!EmulatorState.TickFlag) return {};
    EmulatorState.TickFlag = false;
    return TickDuties();
}

Task<> PollStep() {
    co_await NextPollEvent{};
    co_await PollStepWork();
}
