#include "emulator/radio/receiver_tuning.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"
#include "emulator/runtime/firmware.h"

namespace {

// Long enough for the receiver to settle on its new frequency.
constexpr uint16_t kRetuneSettleMs = 10;

// The synthesizer word wraps as the 32-bit register does: a frequency from a
// damaged settings file may sit at the top of the number range.
void ProgramReceiver(Firmware& fw, int32_t kHz) {
    fw.State.TunedFreq = kHz;
    SetSynthesizer(fw, static_cast<int32_t>(static_cast<uint32_t>(kHz) + ReceiverOffsetKHz));
    SelectReceivePath(fw);
}

}  // namespace

int32_t TransmitFrequency(Firmware& fw) {
    return fw.Settings.DirectSelect ? fw.Settings.StandbyFreq : fw.Settings.ActiveFreq;
}

bool PttHeld(Firmware& fw) { return fw.Inputs.PttPilot || fw.Inputs.PttPax; }

void TuneReceiver(Firmware& fw) {
    ProgramReceiver(fw, fw.Settings.DirectSelect ? fw.Settings.StandbyFreq : fw.Settings.ActiveFreq);
}

Task<> RetuneToScanTarget(Firmware& fw) {
    ProgramReceiver(fw, fw.State.ScanTarget);
    co_await Delay(fw, kRetuneSettleMs);
}

void TuneTransmitter(Firmware& fw) {
    SetSynthesizer(fw, TransmitFrequency(fw));
    SelectTransmitPath(fw);
}
