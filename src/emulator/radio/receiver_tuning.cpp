#include "emulator/radio/receiver_tuning.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"

namespace {

// Long enough for the receiver to settle on its new frequency.
constexpr uint16_t kRetuneSettleMs = 10;

// The synthesizer word wraps as the 32-bit register does: a frequency from a
// damaged settings file may sit at the top of the number range.
void ProgramReceiver(int32_t kHz) {
    EmulatorState.TunedFreq = kHz;
    SetSynthesizer(static_cast<int32_t>(static_cast<uint32_t>(kHz) + ReceiverOffsetKHz));
    SelectReceivePath();
}

}  // namespace

int32_t TransmitFrequency() {
    return EepromSettings.DirectSelect ? EepromSettings.StandbyFreq : EepromSettings.ActiveFreq;
}

bool PttHeld() { return PanelInputs.PttPilot || PanelInputs.PttPax; }

void TuneReceiver() {
    ProgramReceiver(EepromSettings.DirectSelect ? EepromSettings.StandbyFreq : EepromSettings.ActiveFreq);
}

Task<> RetuneToScanTarget() {
    ProgramReceiver(EmulatorState.ScanTarget);
    co_await Delay(kRetuneSettleMs);
}

void TuneTransmitter() {
    SetSynthesizer(TransmitFrequency());
    SelectTransmitPath();
}
