#include "emulator/keys/main_screen_keys.h"

#include "emulator/hardware/audio_levels.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/keys/frequency_selection.h"
#include "emulator/menus/main_menu.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/poll_step.h"
#include "emulator/screens/main_screen.h"

namespace {

constexpr uint8_t kVolumeMaximum = 31;
constexpr uint8_t kSquelchMaximum = 63;
constexpr uint8_t kModeTimeout = 20;

// MenuActive while the main menu runs, also when a stop destroys it.
class MenuActiveScope {
public:
    explicit MenuActiveScope(Firmware& fw) : fw_(fw) { fw_.State.MenuActive = true; }
    ~MenuActiveScope() { fw_.State.MenuActive = false; }
    MenuActiveScope(const MenuActiveScope&) = delete;
    MenuActiveScope& operator=(const MenuActiveScope&) = delete;

private:
    Firmware& fw_;
};

void RedrawCleared(Firmware& fw) {
    fw.Display.Clear();
    DrawMainScreen(fw);
}

void VolumeStep(Firmware& fw, bool up) {
    uint8_t& volume = fw.Settings.Volume;
    if (up && volume < kVolumeMaximum) ++volume;
    if (!up && volume > 0) --volume;
    ApplyVolume(fw);
    MarkSettingsChanged(fw);
}

// UP lowers the setting: the shown squelch level (63 - setting) / 2 rises.
void SquelchStep(Firmware& fw, bool up) {
    uint8_t& setting = fw.Settings.SquelchSetting;
    if (up && setting > 0) --setting;
    if (!up && setting < kSquelchMaximum) ++setting;
    MarkSettingsChanged(fw);
    fw.State.SquelchTimeout = kModeTimeout;
}

void VolSqKey(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
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
    RedrawCleared(fw);
}

void TuningModeKey(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    switch (s.AdjustMode) {
        case AdjustMhz: s.AdjustMode = AdjustKhz; break;
        case AdjustKhz: s.AdjustMode = AdjustChannel; break;
        default: s.AdjustMode = AdjustMhz; break;
    }
    s.AdjustTimeout = kModeTimeout;
    s.SquelchTimeout = 0;
    RedrawCleared(fw);
}

void UpDownKey(Firmware& fw, bool up) {
    switch (fw.State.AdjustMode) {
        case AdjustVolume: VolumeStep(fw, up); break;
        case AdjustSquelch: SquelchStep(fw, up); break;
        case AdjustMhz: MhzStep(fw, up); break;
        case AdjustKhz: KhzStep(fw, up); break;
        case AdjustChannel: ChannelStep(fw, up); break;
        default: break;
    }
}

Task<> MenuKey(Firmware& fw) {
    {
        MenuActiveScope menu(fw);
        co_await RunMainMenu(fw);
    }
    RedrawCleared(fw);
}

// The keys that act at once; MENU opens the menu from the key loop.
void ActOnKey(Firmware& fw, uint8_t key) {
    switch (key) {
        case KeyVolSq: VolSqKey(fw); break;
        case KeyActive: Flip(fw); break;
        case KeyMhzKhzCh: TuningModeKey(fw); break;
        case KeyDownArrow: UpDownKey(fw, false); break;
        case KeyUpArrow: UpDownKey(fw, true); break;
        default: break;
    }
}

// Tuning modes end 20 passes after the MHz/KHz/CH key was last pressed.
void CountTuningTimeout(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.AdjustTimeout == 0 || --s.AdjustTimeout > 0) return;
    if (s.AdjustMode < AdjustMhz || s.AdjustMode > AdjustChannel) return;
    s.AdjustMode = AdjustVolume;
    fw.Display.Clear();
}

}  // namespace

Task<> MainScreenKeyPass(Firmware& fw) {
    while (!fw.State.RefreshFlag) {
        // PollStep in its two halves: the main screen polls on every tick,
        // and this way without a coroutine frame per step.
        co_await NextPollEvent{fw};
        co_await PollStepWork(fw);
        const uint8_t key = fw.State.KeyEvent;
        if (key == KeyMenu)
            co_await MenuKey(fw);
        else
            ActOnKey(fw, key);
    }
    CountTuningTimeout(fw);
    DrawMainScreen(fw);
    fw.State.RefreshFlag = false;
}
