// The nine items of the main menu. Every operation that changes a persisted
// setting marks the settings changed, also when the value stood at its limit;
// the contrast alone does not, it is saved with the next change that does.
#include "emulator/menus/main_menu_items.h"

#include <algorithm>
#include <string>

#include "emulator/hardware/audio_levels.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/menus/menu_icons.h"
#include "emulator/menus/menu_item_drawing.h"
#include "emulator/menus/menu_labels.h"
#include "emulator/menus/setup_menu.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/scanning.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/screens/channel_editor.h"

namespace {

// Noise suppression: VOGAD (mode 0, levels 0..6), VOX standard and VOX
// delayed (modes 1 and 2, levels 0..10).
struct Caption {
    uint8_t column;
    const char* text;
};
constexpr Caption kNoiseCaptions[] = {{1, "VOGAD level"}, {0, "VOX standard"}, {1, "VOX delayed"}};
constexpr uint8_t kNoiseModes = 3;
constexpr uint8_t kVogadTopLevel = 6;
constexpr uint8_t kVoxTopLevel = 10;

void DrawNoise() {
    EmulatorLcd().DrawIcon24(24, 2, NoiseIcon.data());
    const uint8_t mode = EepromSettings.NoiseMode;
    if (mode < kNoiseModes) DrawCaption(kNoiseCaptions[mode].column, 7, kNoiseCaptions[mode].text);
    const uint8_t level = EepromSettings.NoiseLevel;
    DrawValue(7, 3, level == 0 ? "OFF" : std::to_string(level), 3);
    EmulatorLcd().DrawBar(48, 5, 3 * level + 4);
}

void NoiseEditFrame() {
    DrawEditFrame(UpArrowLabel, DownArrowLabel);
    DrawTab(TypeTab, ActiveKeyTabX);
}

void NextNoiseMode() {
    uint8_t& mode = EepromSettings.NoiseMode;
    mode = mode >= kNoiseModes - 1 ? 0 : mode + 1;
    if (mode == 0) EepromSettings.NoiseLevel = std::min(EepromSettings.NoiseLevel, kVogadTopLevel);
    MarkSettingsChanged();
}

void NoiseUp() {
    const uint8_t top = EepromSettings.NoiseMode == 0 ? kVogadTopLevel : kVoxTopLevel;
    if (EepromSettings.NoiseLevel < top) ++EepromSettings.NoiseLevel;
    MarkSettingsChanged();
}

void NoiseDown() {
    if (EepromSettings.NoiseLevel > 0) --EepromSettings.NoiseLevel;
    MarkSettingsChanged();
}

void DrawChannels() {
    EmulatorLcd().DrawIcon24(32, 2, ChannelsIcon.data());
    DrawCaption(2, 7, "Channels");
}

constexpr uint8_t kContrastLowest = 20;
constexpr uint8_t kContrastHighest = 63;
constexpr uint8_t kBarTop = 31;

void DrawContrast() {
    EmulatorLcd().DrawIcon24(16, 2, ContrastIcon.data());
    DrawCaption(3, 7, "Contrast");
    DrawValue(7, 3, std::to_string(EepromSettings.Contrast), 2);
    const auto aboveLowest = static_cast<uint8_t>(EepromSettings.Contrast - kContrastLowest);
    EmulatorLcd().DrawBar(48, 5, std::min(aboveLowest, kBarTop));
}

void ArrowsEditFrame() { DrawEditFrame(UpArrowLabel, DownArrowLabel); }

void ContrastUp() {
    if (EepromSettings.Contrast < kContrastHighest) ++EepromSettings.Contrast;
    EmulatorLcd().ApplyContrast();
}

void ContrastDown() {
    if (EepromSettings.Contrast > kContrastLowest) --EepromSettings.Contrast;
    EmulatorLcd().ApplyContrast();
}

constexpr uint8_t kMicLevelTop = 3;

void DrawMicLevel() {
    EmulatorLcd().DrawIcon24(16, 2, MicLevelIcon.data());
    DrawCaption(2, 7, "MIC level");
    DrawValue(6, 2, std::to_string(10 * EepromSettings.MicLevel) + "dB", 4);
    EmulatorLcd().DrawBar(48, 4, 8 * EepromSettings.MicLevel + 7);
}

void MicLevelUp() {
    if (EepromSettings.MicLevel < kMicLevelTop) ++EepromSettings.MicLevel;
    ApplyMicLevel();
    MarkSettingsChanged();
}

void MicLevelDown() {
    if (EepromSettings.MicLevel > 0) --EepromSettings.MicLevel;
    ApplyMicLevel();
    MarkSettingsChanged();
}

// AUX levels are attenuation steps, 0 loudest (+30 dB) to 30 (-30 dB), 31 off.
constexpr uint8_t kAuxOpen = 0;
constexpr uint8_t kAuxMute = 1;

std::string AuxLevelText(uint8_t level) {
    if (level == AuxLevelOff) return "Off";
    return std::to_string(30 - 2 * level) + "dB";
}

void DrawAuxLevel(uint8_t target, uint8_t level, uint8_t textRow) {
    const bool blank = EditedValueBlank() && EmulatorState.AuxTarget == target;
    DrawTextAt(6, textRow, blank ? "     " : AuxLevelText(level), false);
    EmulatorLcd().DrawBar(48, textRow + 1, AuxLevelOff - level);
}

void DrawAux() {
    EmulatorLcd().DrawIcon24(0, 3, AuxIcon.data());
    DrawCaption(2, 7, "AUX level");
    DrawAuxLevel(kAuxOpen, EepromSettings.AuxOpenLevel, 2);
    DrawAuxLevel(kAuxMute, EepromSettings.AuxMuteLevel, 4);
    EmulatorLcd().DrawStrip24At(OpenWord.data(), 24, 3);
    EmulatorLcd().DrawStrip24At(MuteWord.data(), 24, 5);
}

void AuxEditFrame() {
    DrawEditFrame(UpArrowLabel, DownArrowLabel);
    DrawTab(EditTab, ActiveKeyTabX);
}

void NextAuxTarget() { EmulatorState.AuxTarget = EmulatorState.AuxTarget == kAuxOpen ? kAuxMute : kAuxOpen; }

uint8_t& AuxTargetLevel() {
    return EmulatorState.AuxTarget == kAuxOpen ? EepromSettings.AuxOpenLevel : EepromSettings.AuxMuteLevel;
}

// The squelch evaluation sets the AUX audio path by whether the open level is
// off: a level that enters or leaves off makes it evaluate afresh. The mute
// level never stays louder than the open level.
void AuxLevelChanged() {
    EmulatorState.AuxChanged = true;
    EepromSettings.AuxMuteLevel = std::max(EepromSettings.AuxMuteLevel, EepromSettings.AuxOpenLevel);
    MarkSettingsChanged();
}

void AuxLouder() {
    uint8_t& level = AuxTargetLevel();
    if (level > 0) {
        --level;
        if (level == AuxLevelOff - 1) EmulatorState.RxState = RxNotEvaluated;  // leaves off
    }
    AuxLevelChanged();
}

void AuxQuieter() {
    uint8_t& level = AuxTargetLevel();
    if (level < AuxLevelOff) {
        ++level;
        if (level == AuxLevelOff) EmulatorState.RxState = RxNotEvaluated;  // enters off
    }
    AuxLevelChanged();
}

void DrawMicFilter() {
    EmulatorLcd().DrawIcon24(24, 2, MicFilterIcon.data());
    DrawCaption(1, 6, "MIC filter");
    DrawCaption(2, 7, "Bandpass");
    DrawValue(7, 3, EepromSettings.MicFilter == 1 ? "On" : "Off", 3);
}

void OnOffEditFrame() { DrawEditFrame(OnLabel, OffLabel); }

void MicFilterOn() {
    EepromSettings.MicFilter = 1;
    MarkSettingsChanged();
}

void MicFilterOff() {
    EepromSettings.MicFilter = 0;
    MarkSettingsChanged();
}

void DrawScanAtPowerUp() {
    EmulatorLcd().DrawIcon24(24, 2, ScanIcon.data());
    DrawCaption(2, 6, "Scanning");
    DrawCaption(2, 7, "Power-up");
    DrawValue(6, 3, EepromSettings.ScanAtPowerUp != 0 ? "On" : "Off", 3);
}

// Either choice also ends scanning that is running now.
void SetScanAtPowerUp(uint8_t value) {
    EepromSettings.ScanAtPowerUp = value;
    StopScanning();
    MarkSettingsChanged();
}

void ScanAtPowerUpOn() { SetScanAtPowerUp(1); }
void ScanAtPowerUpOff() { SetScanAtPowerUp(0); }

void DrawPttMode() {
    EmulatorLcd().DrawIcon24(8, 2, PttModeIcon.data());
    DrawCaption(1, 6, "Pilot/Pax");
    DrawCaption(2, 7, "PTT mode");
    DrawValue(4, 3, EepromSettings.PttIsolate == 1 ? "Isolate" : " Join", 7);
}

void PttModeEditFrame() { DrawEditFrame(IsoLabel, JoinLabel); }

void PttIsolated() {
    EepromSettings.PttIsolate = 1;
    MarkSettingsChanged();
}

void PttJoined() {
    EepromSettings.PttIsolate = 0;
    MarkSettingsChanged();
}

void DrawSetup() {
    EmulatorLcd().DrawIcon24(40, 2, SetupIcon.data());
    DrawCaption(4, 7, "Setup");
}

}  // namespace

// clang-format off
const std::array<MenuItem, MainMenuItemCount> MainMenuItems = {{
    // draw              select                   up                down               edit frame
    {DrawNoise,          AsTask<NextNoiseMode>,   NoiseUp,          NoiseDown,         NoiseEditFrame},
    {DrawChannels,       RunDeviceChannelEditor,  nullptr,          nullptr,           nullptr},
    {DrawContrast,       nullptr,                 ContrastUp,       ContrastDown,      ArrowsEditFrame},
    {DrawMicLevel,       nullptr,                 MicLevelUp,       MicLevelDown,      ArrowsEditFrame},
    {DrawAux,            AsTask<NextAuxTarget>,   AuxLouder,        AuxQuieter,        AuxEditFrame},
    {DrawMicFilter,      nullptr,                 MicFilterOn,      MicFilterOff,      OnOffEditFrame},
    {DrawScanAtPowerUp,  nullptr,                 ScanAtPowerUpOn,  ScanAtPowerUpOff,  OnOffEditFrame},
    {DrawPttMode,        nullptr,                 PttIsolated,      PttJoined,         PttModeEditFrame},
    {DrawSetup,          RunSetupMenu,            nullptr,          nullptr,           nullptr},
}};
// clang-format on
