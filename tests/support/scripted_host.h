#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "emulator/runtime/emulator_host.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/firmware_runner.h"
#include "emulator/runtime/task.h"
#include "freqdb/freq_database.h"
#include "help/help.h"
#include "modes/operating_mode.h"
#include "support/scratch_display.h"

// Runs the emulated firmware on a scripted clock. Creating one gives a fresh
// unit: a Firmware of its own (fw) with its own display, frequency database
// and help, its settings file "e2.dfd" in an empty temporary folder (so it
// starts missing), and the host itself as the firmware's clock and error
// report. The temporary folder is also made the program directory.
//
// Time starts at 0; tick n (n = 1, 2, ...) is the time base's event at
// n x 20 ms. The run goes on a FirmwareRunner; each time the firmware waits,
// the clock jumps to the next event, the scripted actions due then run and,
// when it is a tick, the time base (an OperatingMode's TimeBase with the two
// slider positions);
// then the runner resumes the firmware. Actions scheduled for a tick run just
// before that tick. A fresh run shows its main screen from tick 125.
// An action may open a screen of the firmware (OpenScreen): it runs in place
// of the firmware's wait, on the same clock, until it returns; then the
// firmware goes on from its wait at once, as after a call from inside it.
//
//   ScriptedHost host;
//   host.TapKey(KeyBitUp, 200);
//   host.At(210, [&] { EXPECT_EQ(host.fw.Settings.Volume, 21); });
//   host.RunUntilTick(300);  // sets fw.StopRequest at tick 300; returns after the run ended
class ScriptedHost : public EmulatorHost {
public:
    static constexpr uint64_t TickMicroseconds = 20000;
    static constexpr uint32_t MainScreenTick = 125;
    static constexpr uint64_t TimeOfTick(uint32_t tick) { return tick * TickMicroseconds; }

    ScriptedHost();
    ~ScriptedHost() override;
    ScriptedHost(const ScriptedHost&) = delete;
    ScriptedHost& operator=(const ScriptedHost&) = delete;

    uint64_t NowMicroseconds() override { return now_; }
    void ReportError(const std::string& message) override { errors.push_back(message); }

    // Scheduling; actions may schedule further actions.
    void At(uint32_t tick, std::function<void()> action) { AtTime(TimeOfTick(tick), std::move(action)); }
    void AtTime(uint64_t micros, std::function<void()> action);
    // Called before every tick with its number, after the actions due then.
    void EachTick(std::function<void(uint32_t tick)> observer) { observers_.push_back(std::move(observer)); }
    // Extra events between the ticks, every `micros`: a host that wakes the
    // firmware more often (mouse moves, repaints). 0 switches them off.
    void WakeEvery(uint64_t micros) { wakeEvery_ = micros; }

    void PressKey(uint8_t keyBit, uint32_t tick);
    void ReleaseKey(uint8_t keyBit, uint32_t tick);
    // Pressed before tick `tick`, released before tick `tick + ticks`.
    void HoldKey(uint8_t keyBit, uint32_t tick, uint32_t ticks);
    void TapKey(uint8_t keyBit, uint32_t tick) { HoldKey(keyBit, tick, 2); }
    void SetActiveSlider(uint16_t position, uint32_t tick);
    void SetStandbySlider(uint16_t position, uint32_t tick);
    void HoldPtt(uint32_t tick, uint32_t ticks);
    void StopAt(uint32_t tick);
    // From an action: runs `screen` until it returns, then calls `closed`
    // (not when a stop destroyed the screen).
    void OpenScreen(Task<> screen, std::function<void()> closed);

    // Runs the emulator until it returns. Fails the test and stops it if the
    // scripted clock passes the time limit (30 min) first.
    void Run();
    void RunUntilTick(uint32_t tick) {
        StopAt(tick);
        Run();
    }
    // Run in steps, to run several hosts side by side: Begin starts the run,
    // each Step takes it to its next event; false once the run has ended.
    void Begin();
    bool Step();

    // The runner of the emulator run (while Run is running).
    FirmwareRunner& Runner() { return layers_.front()->runner; }
    // The last tick delivered.
    uint32_t Tick() const { return tick_; }
    LcdFrame& Frame() { return display_.frame; }
    Lcd& Display() { return display_.lcd; }
    // The temporary program directory, with its trailing separator.
    const std::string& Directory() const { return directory_; }

private:
    // Before the firmware, which holds the display and the folder's settings file.
    std::string directory_;
    ScratchDisplay display_;

public:
    FreqDatabase db;
    Help help;
    Firmware fw{*this, display_.lcd, db, help, directory_ + "e2.dfd"};  // the emulated unit
    std::vector<std::string> errors;                                    // messages reported through ReportError
    uint16_t activeSlider = 371;
    uint16_t standbySlider = 371;

private:
    // A runner and what to do when its chain has returned.
    struct Layer {
        explicit Layer(Firmware& fw) : runner(fw) {}
        FirmwareRunner runner;
        std::function<void()> closed;
    };
    void AdvanceToNextEvent();
    void CloseReturnedScreens();

    OperatingMode mode_{fw};
    uint64_t now_ = 0;
    uint32_t tick_ = 0;
    uint64_t wakeEvery_ = 0;
    uint64_t sequence_ = 0;
    std::pair<uint64_t, uint64_t> limitKey_;                                  // the time limit's action
    std::map<std::pair<uint64_t, uint64_t>, std::function<void()>> actions_;  // (time, order)
    std::vector<std::function<void(uint32_t)>> observers_;
    std::vector<std::unique_ptr<Layer>> layers_;  // the run first, then the screens opened over it
};
