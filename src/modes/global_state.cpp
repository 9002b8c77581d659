#include "modes/global_state.h"

#include "common/atomic_file.h"
#include "common/program_directory.h"

void ResetGlobalState() { SetFileWriteFault(nullptr); }
