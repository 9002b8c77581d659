#include "emulator/runtime/emulator_run.h"

#include <string>

#include "emulator/hardware/audio_levels.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/settings_ranges.h"
#include "emulator/keys/main_screen_keys.h"
#include "emulator/radio/channel_lookup.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/radio/transmit_control.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/poll_clock.h"
#include "emulator/screens/main_screen.h"
#include "freqdb/freq_database.h"
#include "help/help.h"

namespace {

constexpr int16_t kEmulationHelpTopic = 1;
constexpr uint8_t kSplashHalfSeconds = 5;
constexpr uint16_t kOffsetReadingPreset = 512;

struct SplashLine {
    const char* text;
    uint8_t column;
    uint8_t row;
    bool big;
};

constexpr SplashLine kSplash[] = {
    {"Qor Avionics", 0, 0, true},
    {"VHF-COM", 3, 3, true},
    {"M: ZR3", 2, 6, false},
    {"V: 220508", 2, 7, false},
};

// Name, type and channel number of the channel on a frequency, when there is one.
void TakeChannelStrings(Firmware& fw, int32_t kHz, std::string& name, std::string& type, std::string& channel) {
    if (!FindChannelByFrequency(fw, kHz)) return;
    const FreqRecord& record = fw.Db.Table[fw.State.FoundChannel];
    name = record.Name();
    type = record.Type();
    channel = std::to_string(fw.State.FoundChannel + 1).substr(0, 6);
}

void DrawSplash(Firmware& fw) {
    for (const SplashLine& line : kSplash) {
        fw.Display.BigFont = line.big;
        fw.Display.GotoText(line.column, line.row);
        fw.Display.DrawText(line.text);
    }
    fw.Display.BigFont = false;
}

void PowerUpHardware(Firmware& fw) {
    HardwareStartupOperation2();
    TuneReceiver(fw);
    HardwareStartupOperation3();
    fw.State.HalfSeconds = 0;
    HardwareStartupOperation4();
    ApplyVolume(fw);
    ApplyMicLevel(fw);
    WriteRegister(fw, fw.Settings.AuxOpenLevel, RegisterAuxLevel);
    HardwareStartupOperation5();
    fw.State.Step25 = false;
}

// 2.0 to 2.5 s: until the fifth half-second boundary.
Task<> SplashWait(Firmware& fw) {
    while (fw.State.HalfSeconds < kSplashHalfSeconds) co_await NextEvent{fw};
}

Task<> StartUp(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    fw.HelpText.ShowTopic(kEmulationHelpTopic);
    LoadSettings(fw);
    ReplaceOutOfRangeSettings(fw.Settings);
    HardwareStartupOperation1();
    TakeChannelStrings(fw, fw.Settings.ActiveFreq, s.ActiveName, s.ActiveType, s.ActiveChannelText);
    TakeChannelStrings(fw, fw.Settings.StandbyFreq, s.StandbyName, s.StandbyType, s.StandbyChannelText);
    fw.Display.Init();
    fw.Display.ApplyContrast();
    fw.Display.Clear();
    DrawSplash(fw);
    PowerUpHardware(fw);
    co_await SplashWait(fw);
    if (fw.Settings.ScanAtPowerUp) s.ScanOn = true;
    fw.Display.Clear();
    DrawMainScreen(fw);
    s.OffsetReading = kOffsetReadingPreset;
    s.CpuFreqReading = 0;
    s.TxInhibit = TxInhibitIterations;
    s.AuxChanged = true;
    StartPollClock(fw);
}

// Saves the settings once SaveCountdown runs out, about 5 s after the last change.
void CountDownSave(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.SaveCountdown == 0 || --s.SaveCountdown > 0) return;
    SaveSettings(fw);
}

// A run may end from any screen before the countdown ran out (the window
// closes, a transceiver comes online): a change not yet written is written
// now, or it would be lost.
void SaveUnwrittenChange(Firmware& fw) {
    if (fw.State.SaveCountdown == 0) return;
    fw.State.SaveCountdown = 0;
    SaveSettings(fw);
}

void CountDownSquelchMode(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.SquelchTimeout == 0 || --s.SquelchTimeout > 0) return;
    s.AdjustMode = AdjustVolume;
    DrawMainScreen(fw);
}

Task<> MainLoop(Firmware& fw) {
    while (!fw.StopRequest) {
        fw.HelpText.ShowTopic(kEmulationHelpTopic);
        co_await MainScreenKeyPass(fw);
        CountDownSave(fw);
        CountDownSquelchMode(fw);
    }
}

}  // namespace

Task<> EmulatorRun(Firmware& fw) {
    co_await StartUp(fw);
    co_await MainLoop(fw);
}

void EmulatorRunEnded(Firmware& fw) {
    SaveUnwrittenChange(fw);
    // The emulated unit goes off: a transmission ends with it, so that the
    // next run does not start as if still keyed.
    if (fw.State.Transmitting) EndTransmission(fw);
    fw.Display.Clear();
}
