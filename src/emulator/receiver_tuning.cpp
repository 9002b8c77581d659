#include "emulator/eeprom_settings.h"
#include "emulator/emulator_state.h"
#include "emulator/emulator_wait.h"
#include "emulator/hardware.h"
#include "emulator/radio.h"
#include "shell/panel_inputs.h"

namespace {

// Long enough for the receiver to settle on its new frequency.
constexpr uint16_t kRetuneSettleMs = 10;

void ProgramReceiver(int32_t kHz) {
    EmulatorState.TunedFreq = kHz;
    SetSynthesizer(kHz + ReceiverOffsetKHz);
    SelectReceivePath();
}

}  // namespace

int32_t TransmitFrequency() { return EepromSettings.DirectSelect ? EepromSettings.StandbyFreq : EepromSettings.ActiveFreq; }

bool PttHeld() { return PanelInputs.PttPilot || PanelInputs.PttPax; }

void TuneReceiver() { ProgramReceiver(EepromSettings.DirectSelect ? EepromSettings.StandbyFreq : EepromSettings.ActiveFreq); }

void RetuneToScanTarget() {
    ProgramReceiver(EmulatorState.ScanTarget);
    Delay(kRetuneSettleMs);
}

void TuneTransmitter() {
    SetSynthesizer(TransmitFrequency());
    SelectTransmitPath();
}
