#include "emulator/radio/aux_level.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

namespace {

// Ticks the ducked level is kept after the microphones close.
constexpr uint8_t kAuxHoldTicks = 25;

void WriteAuxLevel(Firmware& fw, uint8_t level) { WriteRegister(fw, level, RegisterAuxLevel); }

// After the hold, the level steps back one per tick to the open level.
void RestoreStep(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.AuxHold > 0) {
        --s.AuxHold;
        return;
    }
    if (s.AuxLevel > fw.Settings.AuxOpenLevel) {
        --s.AuxLevel;
        WriteAuxLevel(fw, s.AuxLevel);
        if (s.AuxLevel == fw.Settings.AuxOpenLevel) s.AuxDucked = false;
        return;
    }
    // A mute level below the open level (possible from an edited settings
    // file) has nothing to step down from: go straight to the open level.
    s.AuxLevel = fw.Settings.AuxOpenLevel;
    WriteAuxLevel(fw, s.AuxLevel);
    s.AuxDucked = false;
}

}  // namespace

void AuxLevelDuty(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    const EepromSettingsRecord& e = fw.Settings;
    if (s.AuxChanged) {
        s.AuxChanged = false;
        WriteAuxLevel(fw, s.MicActive ? e.AuxMuteLevel : e.AuxOpenLevel);
    }
    if (s.MicActive && !s.AuxDucked) {
        s.AuxDucked = true;
        WriteAuxLevel(fw, e.AuxMuteLevel);
        s.AuxLevel = e.AuxMuteLevel;
        s.AuxHold = kAuxHoldTicks;
    }
    if (!s.MicActive && s.AuxDucked) RestoreStep(fw);
}
