#include "emulator/runtime/emulator_wait.h"

#include <utility>

#include "emulator/runtime/firmware.h"

void NextEvent::await_suspend(std::coroutine_handle<> waiting) const noexcept { fw.Suspended = waiting; }

std::coroutine_handle<> TakeSuspendedChain(Firmware& fw) { return std::exchange(fw.Suspended, {}); }

Task<> Delay(Firmware& fw, uint16_t ms) {
    fw.State.MsCounter = 0;
    while (fw.State.MsCounter < ms / 2) co_await NextEvent{fw};
}
