#include "shell/global_state.h"

#include "comm/device_link.h"
#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "emulator/runtime/emulator_state.h"
#include "freqdb/freq_database.h"
#include "help/help.h"
#include "session/recording_export.h"
#include "shell/operating_mode.h"
#include "shell/port_names.h"

void ResetGlobalState() {
    SetProgramDirectory("");
    SetFileWriteFault(nullptr);
    HelpResetState();
    FreqDbResetState();
    EmulatorResetState();
    DeviceLinkResetState();
    OperatingModeResetState();
    SetDefaultDeviceStem(DefaultDeviceStem);
    SetDisplayPngWriter(nullptr);
}
