#include "emulator/screens/service_wait.h"

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/poll_step.h"

Task<bool> WaitForFlagOrKey(Firmware& fw, bool& flag, void (*eachPoll)(Firmware&)) {
    while (!flag) {
        if (eachPoll) eachPoll(fw);
        co_await PollStep(fw);
        if (fw.State.KeyEvent != KeyNone) co_return false;
    }
    flag = false;
    co_return true;
}
