#include "modes/global_state.h"

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "emulator/runtime/emulator_state.h"
#include "freqdb/freq_database.h"
#include "help/help.h"
#include "ports/comms_port_opener.h"
#include "ports/port_names.h"
#include "session/recording_export.h"

void ResetGlobalState() {
    SetProgramDirectory("");
    SetFileWriteFault(nullptr);
    HelpResetState();
    FreqDbResetState();
    EmulatorResetState();
    CommsPort = 0;
    SetDefaultDeviceStem(DefaultDeviceStem);
    SetDisplayPngWriter(nullptr);
}
