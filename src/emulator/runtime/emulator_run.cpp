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
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"
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
void TakeChannelStrings(int32_t kHz, std::string& name, std::string& type, std::string& channel) {
    if (!FindChannelByFrequency(kHz)) return;
    const FreqRecord& record = FreqTable[EmulatorState.FoundChannel];
    name = record.Name();
    type = record.Type();
    channel = std::to_string(EmulatorState.FoundChannel + 1).substr(0, 6);
}

void DrawSplash() {
    for (const SplashLine& line : kSplash) {
        EmulatorLcd().BigFont = line.big;
        EmulatorLcd().GotoText(line.column, line.row);
        EmulatorLcd().DrawText(line.text);
    }
    EmulatorLcd().BigFont = false;
}

void PowerUpHardware() {
    HardwareStartupOperation2();
    TuneReceiver();
    HardwareStartupOperation3();
    EmulatorState.HalfSeconds = 0;
    HardwareStartupOperation4();
    ApplyVolume();
    ApplyMicLevel();
    WriteRegister(EepromSettings.AuxOpenLevel, RegisterAuxLevel);
    HardwareStartupOperation5();
    EmulatorState.Step25 = false;
}

// 2.0 to 2.5 s: until the fifth half-second boundary.
Task<> SplashWait() {
    while (EmulatorState.HalfSeconds < kSplashHalfSeconds) co_await NextEvent{};
}

Task<> StartUp() {
    EmulatorStateRecord& s = EmulatorState;
    ShowHelpTopic(kEmulationHelpTopic);
    LoadSettings();
    ReplaceOutOfRangeSettings(EepromSettings);
    HardwareStartupOperation1();
    TakeChannelStrings(EepromSettings.ActiveFreq, s.ActiveName, s.ActiveType, s.ActiveChannelText);
    TakeChannelStrings(EepromSettings.StandbyFreq, s.StandbyName, s.StandbyType, s.StandbyChannelText);
    EmulatorLcd().Init();
    EmulatorLcd().ApplyContrast();
    EmulatorLcd().Clear();
    DrawSplash();
    PowerUpHardware();
    co_await SplashWait();
    if (EepromSettings.ScanAtPowerUp) s.ScanOn = true;
    EmulatorLcd().Clear();
    DrawMainScreen();
    s.OffsetReading = kOffsetReadingPreset;
    s.CpuFreqReading = 0;
    s.TxInhibit = TxInhibitIterations;
    s.AuxChanged = true;
    StartPollClock();
}

// Saves the settings once SaveCountdown runs out, about 5 s after the last change.
void CountDownSave() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.SaveCountdown == 0 || --s.SaveCountdown > 0) return;
    SaveSettings();
}

// A run may end from any screen before the countdown ran out (the window
// closes, a transceiver comes online): a change not yet written is written
// now, or it would be lost.
void SaveUnwrittenChange() {
    if (EmulatorState.SaveCountdown == 0) return;
    EmulatorState.SaveCountdown = 0;
    SaveSettings();
}

void CountDownSquelchMode() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.SquelchTimeout == 0 || --s.SquelchTimeout > 0) return;
    s.AdjustMode = AdjustVolume;
    DrawMainScreen();
}

Task<> MainLoop() {
    while (!StopRequest) {
        ShowHelpTopic(kEmulationHelpTopic);
        co_await MainScreenKeyPass();
        CountDownSave();
        CountDownSquelchMode();
    }
}

}  // namespace

Task<> EmulatorRun() {
    co_await StartUp();
    co_await MainLoop();
}

void EmulatorRunEnded() {
    SaveUnwrittenChange();
    // The emulated unit goes off: a transmission ends with it, so that the
    // next run does not start as if still keyed.
    if (EmulatorState.Transmitting) EndTransmission();
    EmulatorLcd().Clear();
}
