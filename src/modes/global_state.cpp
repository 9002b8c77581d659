#include "modes/global_state.h"

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "modes/operating_mode.h"

void ResetGlobalState() {
    SetFileWriteFault(nullptr);
    OperatingModeResetState();
}
