#include "support/scripted_host.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/panel_inputs.h"
#include "modes/operating_mode.h"

namespace {

constexpr uint64_t kTimeLimit = 30ull * 60 * 1000000;

std::string MakeTemporaryFolder() {
    char pattern[] = "/tmp/vhfcom-emulator-XXXXXX";
    return std::string(::mkdtemp(pattern)) + "/";
}

}  // namespace

ScriptedHost::ScriptedHost() : directory_(MakeTemporaryFolder()) {}

// Undoes what the host set up.
ScriptedHost::~ScriptedHost() {
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
    At(tick, [this, keyBit] { PressPanelKey(fw.Inputs, keyBit); });
}

void ScriptedHost::ReleaseKey(uint8_t keyBit, uint32_t tick) {
    At(tick, [this, keyBit] { ReleasePanelKey(fw.Inputs, keyBit); });
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
    At(tick, [this] { fw.Inputs.PttPilot = 1; });
    At(tick + ticks, [this] { fw.Inputs.PttPilot = 0; });
}

void ScriptedHost::StopAt(uint32_t tick) {
    At(tick, [this] { fw.StopRequest = true; });
}

void ScriptedHost::Run() {
    Begin();
    while (Step()) continue;
}

void ScriptedHost::Begin() {
    fw.StopRequest = false;
    limitKey_ = std::make_pair(now_ + kTimeLimit, sequence_);
    AtTime(limitKey_.first, [this] {
        ADD_FAILURE() << "the emulator run did not end within the scripted time limit";
        fw.StopRequest = true;
    });
    layers_.push_back(std::make_unique<Layer>(fw));
    layers_.back()->runner.Start();
}

bool ScriptedHost::Step() {
    if (layers_.empty()) return false;
    AdvanceToNextEvent();
    layers_.back()->runner.Resume();
    CloseReturnedScreens();
    if (!layers_.empty()) return true;
    actions_.erase(limitKey_);
    return false;
}

void ScriptedHost::OpenScreen(Task<> screen, std::function<void()> closed) {
    layers_.push_back(std::make_unique<Layer>(fw));
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
        if (closed && !fw.StopRequest) closed();
        if (!layers_.empty()) layers_.back()->runner.Resume();
    }
}
