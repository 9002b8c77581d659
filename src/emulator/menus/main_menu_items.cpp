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
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
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

void DrawNoise(Firmware& fw) {
    fw.Display.DrawIcon24(24, 2, NoiseIcon.data());
    const uint8_t mode = fw.Settings.NoiseMode;
    if (mode < kNoiseModes) DrawCaption(fw, kNoiseCaptions[mode].column, 7, kNoiseCaptions[mode].text);
    const uint8_t level = fw.Settings.NoiseLevel;
    DrawValue(fw, 7, 3, level == 0 ? "OFF" : std::to_string(level), 3);
    fw.Display.DrawBar(48, 5, 3 * level + 4);
}

void NoiseEditFrame(Firmware& fw) {
    DrawEditFrame(fw, UpArrowLabel, DownArrowLabel);
    DrawTab(fw, TypeTab, ActiveKeyTabX);
}

void NextNoiseMode(Firmware& fw) {
    uint8_t& mode = fw.Settings.NoiseMode;
    mode = mode >= kNoiseModes - 1 ? 0 : mode + 1;
    if (mode == 0) fw.Settings.NoiseLevel = std::min(fw.Settings.NoiseLevel, kVogadTopLevel);
    MarkSettingsChanged(fw);
}

void NoiseUp(Firmware& fw) {
    const uint8_t top = fw.Settings.NoiseMode == 0 ? kVogadTopLevel : kVoxTopLevel;
    if (fw.Settings.NoiseLevel < top) ++fw.Settings.NoiseLevel;
    MarkSettingsChanged(fw);
}

void NoiseDown(Firmware& fw) {
    if (fw.Settings.NoiseLevel > 0) --fw.Settings.NoiseLevel;
    MarkSettingsChanged(fw);
}

void DrawChannels(Firmware& fw) {
    fw.Display.DrawIcon24(32, 2, ChannelsIcon.data());
    DrawCaption(fw, 2, 7, "Channels");
}

constexpr uint8_t kContrastLowest = 20;
constexpr uint8_t kContrastHighest = 63;
constexpr uint8_t kBarTop = 31;

void DrawContrast(Firmware& fw) {
    fw.Display.DrawIcon24(16, 2, ContrastIcon.data());
    DrawCaption(fw, 3, 7, "Contrast");
    DrawValue(fw, 7, 3, std::to_string(fw.Settings.Contrast), 2);
    const auto aboveLowest = static_cast<uint8_t>(fw.Settings.Contrast - kContrastLowest);
    fw.Display.DrawBar(48, 5, std::min(aboveLowest, kBarTop));
}

void ArrowsEditFrame(Firmware& fw) { DrawEditFrame(fw, UpArrowLabel, DownArrowLabel); }

void ContrastUp(Firmware& fw) {
    if (fw.Settings.Contrast < kContrastHighest) ++fw.Settings.Contrast;
    fw.Display.ApplyContrast();
}

void ContrastDown(Firmware& fw) {
    if (fw.Settings.Contrast > kContrastLowest) --fw.Settings.Contrast;
    fw.Display.ApplyContrast();
}

constexpr uint8_t kMicLevelTop = 3;

void DrawMicLevel(Firmware& fw) {
    fw.Display.DrawIcon24(16, 2, MicLevelIcon.data());
    DrawCaption(fw, 2, 7, "MIC level");
    DrawValue(fw, 6, 2, std::to_string(10 * fw.Settings.MicLevel) + "dB", 4);
    fw.Display.DrawBar(48, 4, 8 * fw.Settings.MicLevel + 7);
}

void MicLevelUp(Firmware& fw) {
    if (fw.Settings.MicLevel < kMicLevelTop) ++fw.Settings.MicLevel;
    ApplyMicLevel(fw);
    MarkSettingsChanged(fw);
}

void MicLevelDown(Firmware& fw) {
    if (fw.Settings.MicLevel > 0) --fw.Settings.MicLevel;
    ApplyMicLevel(fw);
    MarkSettingsChanged(fw);
}

// AUX levels are attenuation steps, 0 loudest (+30 dB) to 30 (-30 dB), 31 off.
constexpr uint8_t kAuxOpen = 0;
constexpr uint8_t kAuxMute = 1;

std::string AuxLevelText(uint8_t level) {
    if (level == AuxLevelOff) return "Off";
    return std::to_string(30 - 2 * level) + "dB";
}

void DrawAuxLevel(Firmware& fw, uint8_t target, uint8_t level, uint8_t textRow) {
    const bool blank = EditedValueBlank(fw) && fw.State.AuxTarget == target;
    DrawTextAt(fw, 6, textRow, blank ? "     " : AuxLevelText(level), false);
    fw.Display.DrawBar(48, textRow + 1, AuxLevelOff - level);
}

void DrawAux(Firmware& fw) {
    fw.Display.DrawIcon24(0, 3, AuxIcon.data());
    DrawCaption(fw, 2, 7, "AUX level");
    DrawAuxLevel(fw, kAuxOpen, fw.Settings.AuxOpenLevel, 2);
    DrawAuxLevel(fw, kAuxMute, fw.Settings.AuxMuteLevel, 4);
    fw.Display.DrawStrip24At(OpenWord.data(), 24, 3);
    fw.Display.DrawStrip24At(MuteWord.data(), 24, 5);
}

void AuxEditFrame(Firmware& fw) {
    DrawEditFrame(fw, UpArrowLabel, DownArrowLabel);
    DrawTab(fw, EditTab, ActiveKeyTabX);
}

void NextAuxTarget(Firmware& fw) { fw.State.AuxTarget = fw.State.AuxTarget == kAuxOpen ? kAuxMute : kAuxOpen; }

uint8_t& AuxTargetLevel(Firmware& fw) {
    return fw.State.AuxTarget == kAuxOpen ? fw.Settings.AuxOpenLevel : fw.Settings.AuxMuteLevel;
}

// The squelch evaluation sets the AUX audio path by whether the open level is
// off: a level that enters or leaves off makes it evaluate afresh. The mute
// level never stays louder than the open level.
void AuxLevelChanged(Firmware& fw) {
    fw.State.AuxChanged = true;
    fw.Settings.AuxMuteLevel = std::max(fw.Settings.AuxMuteLevel, fw.Settings.AuxOpenLevel);
    MarkSettingsChanged(fw);
}

void AuxLouder(Firmware& fw) {
    uint8_t& level = AuxTargetLevel(fw);
    if (level > 0) {
        --level;
        if (level == AuxLevelOff - 1) fw.State.RxState = RxNotEvaluated;  // leaves off
    }
    AuxLevelChanged(fw);
}

void AuxQuieter(Firmware& fw) {
    uint8_t& level = AuxTargetLevel(fw);
    if (level < AuxLevelOff) {
        ++level;
        if (level == AuxLevelOff) fw.State.RxState = RxNotEvaluated;  // enters off
    }
    AuxLevelChanged(fw);
}

void DrawMicFilter(Firmware& fw) {
    fw.Display.DrawIcon24(24, 2, MicFilterIcon.data());
    DrawCaption(fw, 1, 6, "MIC filter");
    DrawCaption(fw, 2, 7, "Bandpass");
    DrawValue(fw, 7, 3, fw.Settings.MicFilter == 1 ? "On" : "Off", 3);
}

void OnOffEditFrame(Firmware& fw) { DrawEditFrame(fw, OnLabel, OffLabel); }

void MicFilterOn(Firmware& fw) {
    fw.Settings.MicFilter = 1;
    MarkSettingsChanged(fw);
}

void MicFilterOff(Firmware& fw) {
    fw.Settings.MicFilter = 0;
    MarkSettingsChanged(fw);
}

void DrawScanAtPowerUp(Firmware& fw) {
    fw.Display.DrawIcon24(24, 2, ScanIcon.data());
    DrawCaption(fw, 2, 6, "Scanning");
    DrawCaption(fw, 2, 7, "Power-up");
    DrawValue(fw, 6, 3, fw.Settings.ScanAtPowerUp != 0 ? "On" : "Off", 3);
}

// Either choice also ends scanning that is running now.
void SetScanAtPowerUp(Firmware& fw, uint8_t value) {
    fw.Settings.ScanAtPowerUp = value;
    StopScanning(fw);
    MarkSettingsChanged(fw);
}

void ScanAtPowerUpOn(Firmware& fw) { SetScanAtPowerUp(fw, 1); }
void ScanAtPowerUpOff(Firmware& fw) { SetScanAtPowerUp(fw, 0); }

void DrawPttMode(Firmware& fw) {
    fw.Display.DrawIcon24(8, 2, PttModeIcon.data());
    DrawCaption(fw, 1, 6, "Pilot/Pax");
    DrawCaption(fw, 2, 7, "PTT mode");
    DrawValue(fw, 4, 3, fw.Settings.PttIsolate == 1 ? "Isolate" : " Join", 7);
}

void PttModeEditFrame(Firmware& fw) { DrawEditFrame(fw, IsoLabel, JoinLabel); }

void PttIsolated(Firmware& fw) {
    fw.Settings.PttIsolate = 1;
    MarkSettingsChanged(fw);
}

void PttJoined(Firmware& fw) {
    fw.Settings.PttIsolate = 0;
    MarkSettingsChanged(fw);
}

void DrawSetup(Firmware& fw) {
    fw.Display.DrawIcon24(40, 2, SetupIcon.data());
    DrawCaption(fw, 4, 7, "Setup");
}

}  // namespace

// clang-format off
const std::array<MenuItem, MainMenuItemCount> kMainMenuItems = {{
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
