#include "modes/global_state.h"

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "modes/operating_mode.h"
#include "ports/port_names.h"
#include "session/recording_export.h"

void ResetGlobalState() {
    SetProgramDirectory("");
    SetFileWriteFault(nullptr);
    OperatingModeResetState();
    SetDefaultDeviceStem(DefaultDeviceStem);
    SetDisplayPngWriter(nullptr);
}
