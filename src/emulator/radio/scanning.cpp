#include "emulator/radio/scanning.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_state.h"

namespace {

// Ticks on each frequency while the squelch stays closed: the counter runs
// 0, 1, 2 and the retune happens on the third tick.
constexpr uint8_t kScanDwellLastCount = 1;
// While the receiver sits on the standby frequency it looks at the active
// one every 101 ticks.
constexpr uint8_t kPriorityLastCount = 100;

// The duties below wait only while they retune (task.h: a finished Task costs
// no frame); the ticks between cost no coroutine.
Task<> Alternate() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.ScanCounter <= kScanDwellLastCount) {
        ++s.ScanCounter;
        return {};
    }
    s.ScanCounter = 0;
    s.ScanTarget = s.TunedFreq == EepromSettings.StandbyFreq ? EepromSettings.ActiveFreq : EepromSettings.StandbyFreq;
    return RetuneToScanTarget();
}

Task<> RetuneToActive() {
    EmulatorStateRecord& s = EmulatorState;
    s.ScanCounter = 1;
    s.ScanTarget = EepromSettings.ActiveFreq;
    s.OutputLatch = static_cast<uint8_t>(s.OutputLatch & ~LatchReceiveAudio);
    WriteRegister(s.OutputLatch, RegisterOutputLatch);
    co_await RetuneToScanTarget();
    s.RxState = RxSquelched;
    s.FilteredLevel = 0;
}

Task<> LookAtActive() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.ScanCounter <= kPriorityLastCount) {
        ++s.ScanCounter;
        return {};
    }
    return RetuneToActive();
}

}  // namespace

Task<> ScanningDuty() {
    const EmulatorStateRecord& s = EmulatorState;
    if (!s.ScanOn || EepromSettings.DirectSelect) return {};
    if (s.RxState == RxSquelched) return Alternate();
    if (!EepromSettings.PriorityScan || s.RxState == RxTransmitting || s.TunedFreq != EepromSettings.StandbyFreq)
        return {};
    return LookAtActive();
}

void StopScanning() {
    EmulatorState.ScanOn = false;
    if (!EmulatorState.Transmitting) TuneReceiver();
}
