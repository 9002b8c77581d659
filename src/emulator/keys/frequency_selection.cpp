#include "emulator/keys/frequency_selection.h"

#include <algorithm>
#include <utility>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/radio/transmit_control.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/screens/main_screen.h"
#include "freqdb/freq_database.h"

namespace {

constexpr int32_t kLowestMhz = 108;
constexpr int32_t kHighestMhz = 136;
constexpr uint8_t kLastChannel = FreqChannelCount - 1;

// After a MHz or kHz step the standby frequency is tuned, not a channel.
void FinishTuningStep(int32_t kHz) {
    EepromSettings.StandbyFreq = kHz;
    EmulatorState.ChannelMode = false;
    EepromSettings.ChannelSelected = 0;
    MarkSettingsChanged();
    DrawMainScreen();
    DirectModeFollow();
}

// A keyed transmitter follows the flip only onto a frequency it may use.
void RetuneAfterFlip() {
    if (!EmulatorState.Transmitting)
        TuneReceiver();
    else if (TransmitFrequency() < LowestTransmitKHz)
        EndTransmission();
    else
        TuneTransmitter();
}

// The standby frequency's MHz part, held inside the band, and its kHz part.
int32_t StandbyMhz() { return std::clamp(EepromSettings.StandbyFreq / 1000, kLowestMhz, kHighestMhz); }
int32_t StandbyKhz() { return EepromSettings.StandbyFreq % 1000; }

}  // namespace

void Flip() {
    EmulatorStateRecord& s = EmulatorState;
    std::swap(EepromSettings.ActiveFreq, EepromSettings.StandbyFreq);
    std::swap(s.ActiveName, s.StandbyName);
    std::swap(s.ActiveChannelText, s.StandbyChannelText);
    std::swap(s.ActiveType, s.StandbyType);
    // The chosen channel went active: the standby side shows the channel of
    // its own frequency from now on, not the chosen one.
    s.ChannelMode = false;
    RetuneAfterFlip();
    s.AdjustMode = 0;
    s.RefreshFlag = true;
    MarkSettingsChanged();
}

void MhzStep(bool up) {
    const int32_t kHz = StandbyKhz();
    int32_t mhz = StandbyMhz();
    if (up && mhz < kHighestMhz) ++mhz;
    if (!up && mhz > kLowestMhz) --mhz;
    FinishTuningStep(mhz * 1000 + kHz);
}

void KhzStep(bool up) {
    const int32_t mhz = StandbyMhz();
    const int32_t step = EmulatorState.Step25 ? 25 : 50;
    int32_t kHz = StandbyKhz() / step * step;
    if (up)
        kHz = kHz + step >= 1000 ? 0 : kHz + step;
    else
        kHz = kHz == 0 ? 1000 - step : kHz - step;
    FinishTuningStep(mhz * 1000 + kHz);
}

void ChannelStep(bool up) {
    uint8_t& index = EepromSettings.ChannelIndex;
    EmulatorState.ChannelMode = true;
    if (up)
        index = index >= kLastChannel ? 0 : index + 1;
    else
        index = index == 0 ? kLastChannel : index - 1;
    SelectChannel();
    EmulatorLcd().Clear();
    DrawMainScreen();
    DirectModeFollow();
}

void SelectChannel() {
    EmulatorStateRecord& s = EmulatorState;
    s.CurrentRecord = FreqTable[EepromSettings.ChannelIndex];
    NormaliseCurrentRecord();
    EepromSettings.StandbyFreq = s.CurrentRecord.FreqKHz;
    s.StandbyName = s.CurrentRecord.Name();
    s.StandbyType = s.CurrentRecord.Type();
    EepromSettings.ChannelSelected = 1;
    MarkSettingsChanged();
}

void DirectModeFollow() {
    if (EepromSettings.DirectSelect && !EmulatorState.Transmitting) TuneReceiver();
}
