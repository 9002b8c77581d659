#include "emulator/runtime/firmware_runner.h"

#include <utility>

#include "emulator/runtime/emulator_run.h"
#include "emulator/runtime/emulator_wait.h"
#include "emulator/runtime/firmware.h"

void FirmwareRunner::Start() { Begin(EmulatorRun(fw_), true); }

void FirmwareRunner::StartScreen(Task<> screen) { Begin(std::move(screen), false); }

void FirmwareRunner::Begin(Task<> root, bool emulatorRun) {
    root_ = std::move(root);
    emulatorRun_ = emulatorRun;
    stopPending_ = false;
    TakeSuspendedChain(fw_);
    Step({});
}

void FirmwareRunner::Resume() {
    if (inChain_ || !Running()) return;
    if (fw_.StopRequest) {
        Stop();
        return;
    }
    Step(std::exchange(waiting_, {}));
}

void FirmwareRunner::Stop() {
    if (inChain_) {
        stopPending_ = true;
        return;
    }
    if (!Running()) return;
    End();
}

// Runs the chain from where it waits (or the root from its start) to its
// next wait or its end.
void FirmwareRunner::Step(std::coroutine_handle<> chain) {
    inChain_ = true;
    if (chain)
        chain.resume();
    else
        root_.Start();
    inChain_ = false;
    waiting_ = TakeSuspendedChain(fw_);
    if (root_.Done() || std::exchange(stopPending_, false)) End();
}

void FirmwareRunner::End() {
    Task<> ended = std::move(root_);
    waiting_ = {};
    const bool stopped = !ended.Done();
    if (stopped) ended = Task<>();
    if (emulatorRun_) EmulatorRunEnded(fw_);
    if (!stopped) ended.Result();
}
