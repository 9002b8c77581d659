#include "emulator/keys/main_screen_keys.h"

#include "emulator/hardware/audio_levels.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/keys/frequency_selection.h"
#include "emulator/menus/main_menu.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/poll_step.h"
#include "emulator/screens/main_screen.h"

namespace {

constexpr uint8_t kVolumeMaximum = 31;
constexpr uint8_t kSquelchMaximum = 63;
constexpr uint8_t kModeTimeout = 20;

// MenuActive while the main menu runs, also when a stop destroys it.
class MenuActiveScope {
public:
    MenuActiveScope() { EmulatorState.MenuActive = true; }
    ~MenuActiveScope() { EmulatorState.MenuActive = false; }
    MenuActiveScope(const MenuActiveScope&) = delete;
    MenuActiveScope& operator=(const MenuActiveScope&) = delete;
};

void RedrawCleared() {
    EmulatorLcd().Clear();
    DrawMainScreen();
}

void VolumeStep(bool up) {
    uint8_t& volume = EepromSettings.Volume;
    if (up && volume < kVolumeMaximum) ++volume;
    if (!up && volume > 0) --volume;
    ApplyVolume();
    MarkSettingsChanged();
}

// UP lowers the setting: the shown squelch level (63 - setting) / 2 rises.
void SquelchStep(bool up) {
    uint8_t& setting = EepromSettings.SquelchSetting;
    if (up && setting > 0) --setting;
    if (!up && setting < kSquelchMaximum) ++setting;
    MarkSettingsChanged();
    EmulatorState.SquelchTimeout = kModeTimeout;
}

void VolSqKey() {
    EmulatorStateRecord& s = EmulatorState;
    s.SquelchTimeout = 0;
    if (s.AdjustMode == AdjustSquelch) {
        s.AdjustMode = AdjustVolume;
        s.ForcedOpen = ForcedOpenIterations;
    } else if (s.AdjustMode == AdjustVolume) {
        s.AdjustMode = AdjustSquelch;
        s.SquelchTimeout = kModeTimeout;
    } else {
        s.AdjustMode = AdjustVolume;
    }
    RedrawCleared();
}

void TuningModeKey() {
    EmulatorStateRecord& s = EmulatorState;
    switch (s.AdjustMode) {
        case AdjustMhz: s.AdjustMode = AdjustKhz; break;
        case AdjustKhz: s.AdjustMode = AdjustChannel; break;
        default: s.AdjustMode = AdjustMhz; break;
    }
    s.AdjustTimeout = kModeTimeout;
    s.SquelchTimeout = 0;
    RedrawCleared();
}

void UpDownKey(bool up) {
    switch (EmulatorState.AdjustMode) {
        case AdjustVolume: VolumeStep(up); break;
        case AdjustSquelch: SquelchStep(up); break;
        case AdjustMhz: MhzStep(up); break;
        case AdjustKhz: KhzStep(up); break;
        case AdjustChannel: ChannelStep(up); break;
        default: break;
    }
}

Task<> MenuKey() {
    {
        MenuActiveScope menu;
        co_await RunMainMenu();
    }
    RedrawCleared();
}

// The keys that act at once; MENU opens the menu from the key loop.
void ActOnKey(uint8_t key) {
    switch (key) {
        case KeyVolSq: VolSqKey(); break;
        case KeyActive: Flip(); break;
        case KeyMhzKhzCh: TuningModeKey(); break;
        case KeyDownArrow: UpDownKey(false); break;
        case KeyUpArrow: UpDownKey(true); break;
        default: break;
    }
}

// Tuning modes end 20 passes after the MHz/KHz/CH key was last pressed.
void CountTuningTimeout() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.AdjustTimeout == 0 || --s.AdjustTimeout > 0) return;
    if (s.AdjustMode < AdjustMhz || s.AdjustMode > AdjustChannel) return;
    s.AdjustMode = AdjustVolume;
    EmulatorLcd().Clear();
}

}  // namespace

Task<> MainScreenKeyPass() {
    while (!EmulatorState.RefreshFlag) {
        // PollStep in its two halves: the main screen polls on every tick,
        // and this way without a coroutine frame per step.
        co_await NextPollEvent{};
        co_await PollStepWork();
        const uint8_t key = EmulatorState.KeyEvent;
        if (key == KeyMenu)
            co_await MenuKey();
        else
            ActOnKey(key);
    }
    CountTuningTimeout();
    DrawMainScreen();
    EmulatorState.RefreshFlag = false;
}
