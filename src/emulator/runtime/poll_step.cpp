#include "emulator/runtime/poll_step.h"

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

Task<> TickDuties(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.SevenTickCounter = static_cast<uint8_t>((s.SevenTickCounter + 1) % kPeriodicTicks);
    if (s.SevenTickCounter == 0 && fw.Settings.DualMode < 2) HardwarePeriodicOperation();
    co_await ScanningDuty(fw);
    AuxLevelDuty(fw);
    s.DiagTickMark = true;
    if (!s.MenuActive) UpdateStatusRow(fw);
    KeyScan(fw);
}

}  // namespace

Task<> PollStep(Firmware& fw) {
    // A tick that came in during a delay (a scan retune) is handled at once:
    // waiting for the next event first would lose it.
    if (!fw.State.TickFlag) co_await NextEvent{fw};
    fw.State.KeyEvent = KeyNone;
    const uint32_t iterations = ElapsedPollIterations(fw);
    TransmitControl(fw, iterations);
    SquelchEvaluation(fw, iterations);
    HardwarePollOperation1();
    HardwarePollOperation2();
    if (!fw.State.TickFlag) co_return;
    fw.State.TickFlag = false;
    co_await TickDuties(fw);
}
