#include "emulator/runtime/emulator_wait.h"

#include <utility>

#include "emulator/runtime/emulator_state.h"

bool StopRequest = false;

namespace {
std::coroutine_handle<> gSuspended;
}

void NextEvent::await_suspend(std::coroutine_handle<> waiting) const noexcept { gSuspended = waiting; }

std::coroutine_handle<> TakeSuspendedChain() { return std::exchange(gSuspended, {}); }

Task<> Delay(uint16_t ms) {
    EmulatorState.MsCounter = 0;
    while (EmulatorState.MsCounter < ms / 2) co_await NextEvent{};
}
