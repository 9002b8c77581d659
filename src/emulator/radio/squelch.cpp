#include "emulator/radio/squelch.h"

#include <algorithm>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

namespace {

constexpr int32_t kHysteresis = 30;
constexpr uint16_t kCloseDelayAfterTransmit = 10000;

void WriteLatch(Firmware& fw) { WriteRegister(fw, fw.State.OutputLatch, RegisterOutputLatch); }

void Open(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.RxState == RxReceiving) return;
    s.OutputLatch = static_cast<uint8_t>((s.OutputLatch | LatchReceiveAudio) & ~LatchAuxPath);
    WriteLatch(fw);
    s.RxState = RxReceiving;
}

void Close(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.RxState == RxSquelched) return;
    s.OutputLatch = static_cast<uint8_t>(s.OutputLatch & ~LatchReceiveAudio);
    // The AUX audio path follows the open level: off when it is off.
    if (fw.Settings.AuxOpenLevel != AuxLevelOff)
        s.OutputLatch |= LatchAuxPath;
    else
        s.OutputLatch = static_cast<uint8_t>(s.OutputLatch & ~LatchAuxPath);
    WriteLatch(fw);
    s.RxState = RxSquelched;
}

void MuteForTransmit(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.RxState != RxTransmitting) {
        s.OutputLatch = static_cast<uint8_t>(s.OutputLatch & ~(LatchReceiveAudio | LatchAuxPath));
        WriteLatch(fw);
        s.RxState = RxTransmitting;
    }
    s.CloseDelay = kCloseDelayAfterTransmit;
    s.ForcedOpen = 0;
}

// 100 (setting 63) to 604 (setting 0).
int32_t Threshold(Firmware& fw) { return (63 - fw.Settings.SquelchSetting) * 8 + 100; }

// The decision of `count` iterations at a filtered level that stays the same.
void Decide(Firmware& fw, int32_t level, uint32_t count) {
    EmulatorStateRecord& s = fw.State;
    const int32_t threshold = Threshold(fw);
    s.BelowSquelch = threshold >= s.RxLevel;
    if (level > threshold) {
        s.CloseDelay = 0;
        Open(fw);
        return;
    }
    if (level >= threshold - kHysteresis) return;
    const uint32_t room = s.CloseDelay < CloseDelayIterations ? CloseDelayIterations - s.CloseDelay : 0;
    s.CloseDelay = static_cast<uint16_t>(s.CloseDelay + std::min(count, room));
    if (count > room) Close(fw);
}

// Held open: spends up to `count` iterations of ForcedOpen; returns those left.
uint32_t SpendForcedOpen(Firmware& fw, uint32_t count) {
    EmulatorStateRecord& s = fw.State;
    if (count == 0 || s.ForcedOpen <= 0) return count;
    const auto spent = static_cast<uint32_t>(std::min<int64_t>(count, s.ForcedOpen));
    s.ForcedOpen -= static_cast<int32_t>(spent);
    Open(fw);
    return count - spent;
}

// The filtered level one iteration on. Equal to the present one when the
// filter is at its fixed point for this signal: every later iteration then
// decides the same.
int32_t NextFilteredLevel(Firmware& fw) {
    const EmulatorStateRecord& s = fw.State;
    return (s.FilteredLevel * 127 + s.RxLevel * 128) / 128;
}

// One iteration of a filter still on its way.
void EvaluateOnce(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.FilteredLevel = NextFilteredLevel(fw);
    if (SpendForcedOpen(fw, 1) != 0) Decide(fw, s.FilteredLevel / 128, 1);
}

}  // namespace

void SquelchEvaluation(Firmware& fw, uint32_t iterations) {
    if (fw.State.Transmitting) {
        MuteForTransmit(fw);
        return;
    }
    uint32_t left = iterations;
    for (; left > 0 && NextFilteredLevel(fw) != fw.State.FilteredLevel; --left) EvaluateOnce(fw);
    // Settled: the rest is counted at the resting level without iterating.
    const uint32_t rest = SpendForcedOpen(fw, left);
    if (rest > 0) Decide(fw, fw.State.FilteredLevel / 128, rest);
}
