#include "emulator/screens/service_wait.h"

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/poll_step.h"

Task<bool> WaitForFlagOrKey(bool& flag, void (*eachPoll)()) {
    while (!flag) {
        if (eachPoll) eachPoll();
        co_await PollStep();
        if (EmulatorState.KeyEvent != KeyNone) co_return false;
    }
    flag = false;
    co_return true;
}
