#include "firmware_soak/soak_rules.h"

#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/radio/transmit_control.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

namespace {

constexpr int32_t kLowestKHz = 108000;
constexpr int32_t kHighestKHz = 136975;
constexpr int32_t kGridKHz = 25;
constexpr uint8_t kVolumeHighest = 31;
constexpr uint8_t kSquelchHighest = 63;
constexpr uint64_t kTicksPerSecond = 50;

bool OnTheTuningGrid(int32_t kHz) { return kHz >= kLowestKHz && kHz <= kHighestKHz && kHz % kGridKHz == 0; }

// TX lock holds a transmission back while the frequency it would use is received.
bool LockedByReception(Firmware& fw) {
    const EmulatorStateRecord& s = fw.State;
    return fw.Settings.TxLock && s.RxState == RxReceiving && s.TunedFreq == TransmitFrequency(fw);
}

}  // namespace

void SoakRules::Broken(const std::string& rule, uint64_t tick) {
    if (!broken_.insert(rule).second) return;
    violations_.push_back("tick " + std::to_string(tick) + ": " + rule);
}

void SoakRules::CheckTick(uint64_t tick, uint64_t pttHeldTicks) {
    const EepromSettingsRecord& e = fw_.Settings;
    if (!OnTheTuningGrid(e.ActiveFreq)) Broken("active frequency off the band or grid", tick);
    if (!OnTheTuningGrid(e.StandbyFreq)) Broken("standby frequency off the band or grid", tick);
    if (e.Volume > kVolumeHighest) Broken("volume above 31", tick);
    if (e.SquelchSetting > kSquelchHighest) Broken("squelch above 63", tick);
    if (fw_.State.Transmitting && pttHeldTicks > StuckPttSeconds * kTicksPerSecond + 1)
        Broken("transmitting past 60 s of one PTT hold", tick);
}

void SoakRules::CheckPollStep(uint64_t tick) {
    const bool transmitting = fw_.State.Transmitting;
    if (transmitting && !previous_.pttHeld) Broken("transmitting without a PTT held", tick);
    if (transmitting && previous_.transmitKHz < LowestTransmitKHz) Broken("transmitting below 118.000 MHz", tick);
    if (transmitting && !previous_.transmitting && previous_.locked)
        Broken("transmission started through TX lock", tick);
    previous_ = {transmitting, PttHeld(fw_), LockedByReception(fw_), TransmitFrequency(fw_)};
}

void SoakRules::CheckSavedFile(const EepromSettingsRecord& written, uint64_t tick) {
    const EepromSettingsRecord inMemory = fw_.Settings;
    LoadSettings(fw_);
    if (!(fw_.Settings == written)) Broken("a settings file written loads back different", tick);
    fw_.Settings = inMemory;
}

void SoakRules::CheckStop(uint64_t requested, uint64_t ended) {
    if (ended > requested + 1) Broken("the run went on for more than a tick after the stop request", ended);
}
