#include "emulator/service_wait.h"

#include "emulator/emulator_state.h"
#include "emulator/poll_step.h"

bool WaitForFlagOrKey(bool& flag, void (*eachPoll)()) {
    while (!flag) {
        if (eachPoll) eachPoll();
        PollStep();
        if (EmulatorState.KeyEvent != KeyNone) return false;
    }
    flag = false;
    return true;
}
