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
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/poll_clock.h"
#include "emulator/screens/status_row.h"

namespace {

constexpr uint8_t kPeriodicTicks = 7;

void DutiesAfterScanning(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    AuxLevelDuty(fw);
    s.DiagTickMark = true;
    if (!s.MenuActive) UpdateStatusRow(fw);
    KeyScan(fw);
}

Task<> DutiesAfterRetune(Firmware& fw, Task<> retune) {
    co_await retune;
    DutiesAfterScanning(fw);
}

// Waits only while the scanning duty retunes.
Task<> TickDuties(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (++s.SevenTickCounter >= kPeriodicTicks) s.SevenTickCounter = 0;
    if (s.SevenTickCounter == 0 && fw.Settings.DualMode < 2) HardwarePeriodicOperation();
    Task<> scanning = ScanningDuty(fw);
    if (!scanning.Done()) return DutiesAfterRetune(fw, std::move(scanning));
    DutiesAfterScanning(fw);
    return {};
}

}  // namespace

Task<> PollStepWork(Firmware& fw) {
    fw.State.KeyEvent = KeyNone;
    const uint32_t iterations = ElapsedPollIterations(fw);
    TransmitControl(fw, iterations);
    SquelchEvaluation(fw, iterations);
    HardwarePollOperation1();
    HardwarePollOperation2();
    if (!fw.State.TickFlag) return {};
    fw.State.TickFlag = false;
    return TickDuties(fw);
}

Task<> PollStep(Firmware& fw) {
    co_await NextPollEvent{fw};
    co_await PollStepWork(fw);
}
