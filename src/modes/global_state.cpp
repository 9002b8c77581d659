#include "modes/global_state.h"

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "emulator/runtime/emulator_state.h"
#include "freqdb/freq_database.h"
#include "help/help.h"
#include "modes/operating_mode.h"
#include "ports/port_names.h"

void ResetGlobalState() {
    SetProgramDirectory("");
    SetFileWriteFault(nullptr);
    HelpResetState();
    FreqDbResetState();
    EmulatorResetState();
    OperatingModeResetState();
    SetDefaultDeviceStem(DefaultDeviceStem);
}
