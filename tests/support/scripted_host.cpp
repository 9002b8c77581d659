#include "support/scripted_host.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_wait.h"

namespace {
constexpr uint64_t kTimeLimit = 30ull * 60 * 1000000;
}

ScriptedHost::ScriptedHost() {
    char pattern[] = "/tmp/vhfcom-emulator-XXXXXX";
    directory_ = std::string(::mkdtemp(pattern)) + "/";
    SetProgramDirectory(directory_);
    EmulatorAttachHost(this);
    EmulatorAttachLcd(&display_.lcd);
}

// Undoes what the host set up; the state the run left stays for the test.
ScriptedHost::~ScriptedHost() {
    EmulatorAttachHost(nullptr);
    EmulatorAttachLcd(nullptr);
    SetFileWriteFault(nullptr);
    SetProgramDirectory("");
    StopRequest = false;
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

void ScriptedHost::AtTime(uint64_t micros, std::function<void()> action) {
    actions_.emplace(std::make_pair(micros, sequence_++), std::move(action));
}

void ScriptedHost::AdvanceToNextEvent() {
    const uint64_t nextTick = TimeOfTick(tick_ + 1);
    uint64_t next = nextTick;
    if (!actions_.empty()) next = std::min(next, actions_.begin()->first.first);
    if (wakeEvery_ > 0) next = std::min(next, (now_ / wakeEvery_ + 1) * wakeEvery_);
    now_ = next;
    while (!actions_.empty() && actions_.begin()->first.first <= now_) {
        auto action = std::move(actions_.begin()->second);
        actions_.erase(actions_.begin());
        action();
    }
    if (now_ < TimeOfTick(tick_ + 1)) return;
    ++tick_;
    for (const auto& observer : observers_) observer(tick_);
    mode_.TimeBase(activeSlider, standbySlider);
}

void ScriptedHost::PressKey(uint8_t keyBit, uint32_t tick) {
    At(tick, [keyBit] { PressPanelKey(keyBit); });
}

void ScriptedHost::ReleaseKey(uint8_t keyBit, uint32_t tick) {
    At(tick, [keyBit] { ReleasePanelKey(keyBit); });
}

void ScriptedHost::HoldKey(uint8_t keyBit, uint32_t tick, uint32_t ticks) {
    PressKey(keyBit, tick);
    ReleaseKey(keyBit, tick + ticks);
}

void ScriptedHost::SetActiveSlider(uint16_t position, uint32_t tick) {
    At(tick, [this, position] { activeSlider = position; });
}

void ScriptedHost::SetStandbySlider(uint16_t position, uint32_t tick) {
    At(tick, [this, position] { standbySlider = position; });
}

void ScriptedHost::HoldPtt(uint32_t tick, uint32_t ticks) {
    At(tick, [] { PanelInputs.PttPilot = 1; });
    At(tick + ticks, [] { PanelInputs.PttPilot = 0; });
}

void ScriptedHost::StopAt(uint32_t tick) {
    At(tick, [] { StopRequest = true; });
}

void ScriptedHost::Run() {
    StopRequest = false;
    const auto limitKey = std::make_pair(now_ + kTimeLimit, sequence_);
    AtTime(limitKey.first, [] {
        ADD_FAILURE() << "the emulator run did not end within the scripted time limit";
        StopRequest = true;
    });
    layers_.push_back(std::make_unique<Layer>());
    layers_.back()->runner.Start();
    while (!layers_.empty()) {
        AdvanceToNextEvent();
        layers_.back()->runner.Resume();
        CloseReturnedScreens();
    }
    actions_.erase(limitKey);
}

void ScriptedHost::OpenScreen(Task<> screen, std::function<void()> closed) {
    layers_.push_back(std::make_unique<Layer>());
    layers_.back()->closed = std::move(closed);
    layers_.back()->runner.StartScreen(std::move(screen));
    if (layers_.back()->runner.Running()) return;
    auto returned = std::move(layers_.back()->closed);
    layers_.pop_back();
    returned();
}

// A screen that returned hands back to the chain below it, which goes on at
// once; a stop ends every layer in turn.
void ScriptedHost::CloseReturnedScreens() {
    while (!layers_.empty() && !layers_.back()->runner.Running()) {
        auto closed = std::move(layers_.back()->closed);
        layers_.pop_back();
        if (closed && !StopRequest) closed();
        if (!layers_.empty()) layers_.back()->runner.Resume();
    }
}
