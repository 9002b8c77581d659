#include "emulator/keys/frequency_selection.h"

#include <algorithm>
#include <utility>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/radio/transmit_control.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/screens/main_screen.h"
#include "freqdb/freq_database.h"

namespace {

constexpr int32_t kLowestMhz = 108;
constexpr int32_t kHighestMhz = 136;
constexpr uint8_t kLastChannel = FreqChannelCount - 1;

// After a MHz or kHz step the standby frequency is tuned, not a channel.
void FinishTuningStep(Firmware& fw, int32_t kHz) {
    fw.Settings.StandbyFreq = kHz;
    fw.State.ChannelMode = false;
    fw.Settings.ChannelSelected = 0;
    MarkSettingsChanged(fw);
    DrawMainScreen(fw);
    DirectModeFollow(fw);
}

// A keyed transmitter follows the flip only onto a frequency it may use.
void RetuneAfterFlip(Firmware& fw) {
    if (!fw.State.Transmitting)
        TuneReceiver(fw);
    else if (TransmitFrequency(fw) < LowestTransmitKHz)
        EndTransmission(fw);
    else
        TuneTransmitter(fw);
}

// The standby frequency's MHz part, held inside the band, and its kHz part.
int32_t StandbyMhz(Firmware& fw) { return std::clamp(fw.Settings.StandbyFreq / 1000, kLowestMhz, kHighestMhz); }
int32_t StandbyKhz(Firmware& fw) { return fw.Settings.StandbyFreq % 1000; }

}  // namespace

void Flip(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    std::swap(fw.Settings.ActiveFreq, fw.Settings.StandbyFreq);
    std::swap(s.ActiveName, s.StandbyName);
    std::swap(s.ActiveChannelText, s.StandbyChannelText);
    std::swap(s.ActiveType, s.StandbyType);
    // The chosen channel went active: the standby side shows the channel of
    // its own frequency from now on, not the chosen one.
    s.ChannelMode = false;
    RetuneAfterFlip(fw);
    s.AdjustMode = 0;
    s.RefreshFlag = true;
    MarkSettingsChanged(fw);
}

void MhzStep(Firmware& fw, bool up) {
    const int32_t kHz = StandbyKhz(fw);
    int32_t mhz = StandbyMhz(fw);
    if (up && mhz < kHighestMhz) ++mhz;
    if (!up && mhz > kLowestMhz) --mhz;
    FinishTuningStep(fw, mhz * 1000 + kHz);
}

void KhzStep(Firmware& fw, bool up) {
    const int32_t mhz = StandbyMhz(fw);
    const int32_t step = fw.State.Step25 ? 25 : 50;
    int32_t kHz = StandbyKhz(fw) / step * step;
    if (up)
        kHz = kHz + step >= 1000 ? 0 : kHz + step;
    else
        kHz = kHz == 0 ? 1000 - step : kHz - step;
    FinishTuningStep(fw, mhz * 1000 + kHz);
}

void ChannelStep(Firmware& fw, bool up) {
    uint8_t& index = fw.Settings.ChannelIndex;
    fw.State.ChannelMode = true;
    if (up)
        index = index >= kLastChannel ? 0 : index + 1;
    else
        index = index == 0 ? kLastChannel : index - 1;
    SelectChannel(fw);
    fw.Display.Clear();
    DrawMainScreen(fw);
    DirectModeFollow(fw);
}

void SelectChannel(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.CurrentRecord = fw.Db.Table[fw.Settings.ChannelIndex];
    NormaliseCurrentRecord(fw);
    fw.Settings.StandbyFreq = s.CurrentRecord.FreqKHz;
    s.StandbyName = s.CurrentRecord.Name();
    s.StandbyType = s.CurrentRecord.Type();
    fw.Settings.ChannelSelected = 1;
    MarkSettingsChanged(fw);
}

void DirectModeFollow(Firmware& fw) {
    if (fw.Settings.DirectSelect && !fw.State.Transmitting) TuneReceiver(fw);
}
