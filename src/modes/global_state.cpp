#include "modes/global_state.h"

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/runtime/emulator_state.h"
#include "freqdb/freq_database.h"
#include "help/help.h"
#include "modes/operating_mode.h"

void ResetGlobalState() {
    SetFileWriteFault(nullptr);
    HelpResetState();
    FreqDbResetState();
    EmulatorResetState();
    SetSettingsFilePath(FoldersBeside("").FirmwareSettingsPath());
    OperatingModeResetState();
}
