#include "emulator/radio/scanning.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

namespace {

// Ticks on each frequency while the squelch stays closed: the counter runs
// 0, 1, 2 and the retune happens on the third tick.
constexpr uint8_t kScanDwellLastCount = 1;
// While the receiver sits on the standby frequency it looks at the active
// one every 101 ticks.
constexpr uint8_t kPriorityLastCount = 100;

// The duties below wait only while they retune (task.h: a finished Task costs
// no frame); the ticks between cost no coroutine.
Task<> Alternate(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.ScanCounter <= kScanDwellLastCount) {
        ++s.ScanCounter;
        return {};
    }
    s.ScanCounter = 0;
    s.ScanTarget = s.TunedFreq == fw.Settings.StandbyFreq ? fw.Settings.ActiveFreq : fw.Settings.StandbyFreq;
    return RetuneToScanTarget(fw);
}

Task<> RetuneToActive(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.ScanCounter = 1;
    s.ScanTarget = fw.Settings.ActiveFreq;
    s.OutputLatch = static_cast<uint8_t>(s.OutputLatch & ~LatchReceiveAudio);
    WriteRegister(fw, s.OutputLatch, RegisterOutputLatch);
    co_await RetuneToScanTarget(fw);
    s.RxState = RxSquelched;
    s.FilteredLevel = 0;
}

Task<> LookAtActive(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.ScanCounter <= kPriorityLastCount) {
        ++s.ScanCounter;
        return {};
    }
    return RetuneToActive(fw);
}

}  // namespace

Task<> ScanningDuty(Firmware& fw) {
    const EmulatorStateRecord& s = fw.State;
    if (!s.ScanOn || fw.Settings.DirectSelect) return {};
    if (s.RxState == RxSquelched) return Alternate(fw);
    if (!fw.Settings.PriorityScan || s.RxState == RxTransmitting || s.TunedFreq != fw.Settings.StandbyFreq) return {};
    return LookAtActive(fw);
}

void StopScanning(Firmware& fw) {
    fw.State.ScanOn = false;
    if (!fw.State.Transmitting) TuneReceiver(fw);
}
