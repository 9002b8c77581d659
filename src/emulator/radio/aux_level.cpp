#include "emulator/radio/aux_level.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/runtime/emulator_state.h"

namespace {

// Ticks the ducked level is kept after the microphones close.
constexpr uint8_t kAuxHoldTicks = 25;

void WriteAuxLevel(uint8_t level) { WriteRegister(level, RegisterAuxLevel); }

// After the hold, the level steps back one per tick to the open level.
void RestoreStep() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.AuxHold > 0) {
        --s.AuxHold;
        return;
    }
    if (s.AuxLevel > EepromSettings.AuxOpenLevel) {
        --s.AuxLevel;
        WriteAuxLevel(s.AuxLevel);
        if (s.AuxLevel == EepromSettings.AuxOpenLevel) s.AuxDucked = false;
        return;
    }
    // A mute level below the open level (possible from an edited settings
    // file) has nothing to step down from: go straight to the open level.
    s.AuxLevel = EepromSettings.AuxOpenLevel;
    WriteAuxLevel(s.AuxLevel);
    s.AuxDucked = false;
}

}  // namespace

void AuxLevelDuty() {
    EmulatorStateRecord& s = EmulatorState;
    const EepromSettingsRecord& e = EepromSettings;
    if (s.AuxChanged) {
        s.AuxChanged = false;
        WriteAuxLevel(s.MicActive ? e.AuxMuteLevel : e.AuxOpenLevel);
    }
    if (s.MicActive && !s.AuxDucked) {
        s.AuxDucked = true;
        WriteAuxLevel(e.AuxMuteLevel);
        s.AuxLevel = e.AuxMuteLevel;
        s.AuxHold = kAuxHoldTicks;
    }
    if (!s.MicActive && s.AuxDucked) RestoreStep();
}
