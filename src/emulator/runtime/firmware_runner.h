#pragma once
#include <coroutine>

#include "emulator/runtime/task.h"

struct Firmware;

// Runs the emulated firmware as a chain of coroutines on the program's own
// event loop. The program resumes the chain after each event the firmware may
// react to (the 20 ms tick, a key, PTT, a slider); the chain runs until its
// next wait and hands the thread back. Handlers therefore never run inside
// the firmware.
class FirmwareRunner {
public:
    explicit FirmwareRunner(Firmware& fw) : fw_(fw) {}
    // Destroys a chain still there, without the run's end.
    ~FirmwareRunner() = default;
    FirmwareRunner(const FirmwareRunner&) = delete;
    FirmwareRunner& operator=(const FirmwareRunner&) = delete;

    // Begins the emulator run (EmulatorRun) and runs it to its first wait.
    void Start();
    // Begins a single screen coroutine in place of the run, as the menus
    // would open it; it ends when the screen returns, without the run's end.
    void StartScreen(Task<> screen);
    // Resumes the chain once. Stops it instead while the firmware's
    // StopRequest is set, and does nothing while the chain is running (a
    // handler reached from inside it) or when nothing runs.
    void Resume();
    // Destroys the chain, so that its scopes unwind, then ends the run as
    // EmulatorRunEnded does. Called while the chain runs, the stop happens as
    // soon as it has suspended.
    void Stop();
    // A chain was started and has neither finished nor been stopped.
    bool Running() const { return !root_.Done(); }
    // The firmware the chain runs on.
    Firmware& Fw() { return fw_; }

private:
    void Begin(Task<> root, bool emulatorRun);
    void Step(std::coroutine_handle<> chain);
    void End();

    Firmware& fw_;
    Task<> root_;
    std::coroutine_handle<> waiting_;
    bool emulatorRun_ = false;
    bool inChain_ = false;
    bool stopPending_ = false;
};
