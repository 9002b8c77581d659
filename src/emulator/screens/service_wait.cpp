#include "emulator/screens/service_wait.h"

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/poll_step.h"

bool WaitForFlagOrKey(bool& flag, void (*eachPoll)()) {
    while (!flag) {
        if (eachPoll) eachPoll();
        PollStep();
        if (EmulatorState.KeyEvent != KeyNone) return false;
    }
    flag = false;
    return true;
}
