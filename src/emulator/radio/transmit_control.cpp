#include "emulator/radio/transmit_control.h"

#include <algorithm>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/poll_clock.h"

namespace {

constexpr uint32_t kIterationsPerSecond = 1000000 / MicrosecondsPerPollIteration;

// StuckPttCount counts the whole seconds a PTT has been held, from the poll
// step that first saw it; it stops at the stuck limit so that it can never
// wrap back to "not stuck".
void CountPttHeld(Firmware& fw, bool held, uint32_t iterations) {
    EmulatorStateRecord& s = fw.State;
    const bool heldBefore = s.PttWasHeld;
    s.PttWasHeld = held;
    if (!held) {
        s.StuckPttCount = 0;
        s.PttHeldIterations = 0;
        return;
    }
    if (!heldBefore || PttStuck(fw)) return;
    const uint64_t total = uint64_t{s.PttHeldIterations} + iterations;
    const uint64_t seconds = std::min<uint64_t>(s.StuckPttCount + total / kIterationsPerSecond, StuckPttSeconds);
    s.StuckPttCount = static_cast<uint16_t>(seconds);
    s.PttHeldIterations = static_cast<uint32_t>(total % kIterationsPerSecond);
}

// Spends the start-up inhibit; true while it still blocks this poll step.
bool Inhibited(Firmware& fw, uint32_t iterations) {
    EmulatorStateRecord& s = fw.State;
    if (s.TxInhibit <= 0) return false;
    const auto spent = static_cast<int32_t>(std::min<int64_t>(iterations, s.TxInhibit));
    s.TxInhibit -= spent;
    return static_cast<uint32_t>(spent) == iterations;
}

// TxLock: no transmission over a signal being received on the frequency the
// transmitter would use.
bool LockedByReception(Firmware& fw) {
    const EmulatorStateRecord& s = fw.State;
    return fw.Settings.TxLock && s.RxState == RxReceiving && s.TunedFreq == TransmitFrequency(fw);
}

void StartTransmission(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.Transmitting = true;
    TuneTransmitter(fw);
    s.RefreshFlag = true;
    s.TxTimer = TransmitTimerStart;
}

}  // namespace

bool PttStuck(Firmware& fw) { return fw.State.StuckPttCount >= StuckPttSeconds; }

void EndTransmission(Firmware& fw) {
    fw.State.Transmitting = false;
    TuneReceiver(fw);
    fw.State.RefreshFlag = true;
}

void TransmitControl(Firmware& fw, uint32_t iterations) {
    const bool held = PttHeld(fw);
    CountPttHeld(fw, held, iterations);
    if (fw.State.Transmitting) {
        if (PttStuck(fw) || !held || TransmitFrequency(fw) < LowestTransmitKHz) EndTransmission(fw);
        return;
    }
    if (held && PttStuck(fw)) return;
    if (Inhibited(fw, iterations)) return;
    if (!held || LockedByReception(fw) || TransmitFrequency(fw) < LowestTransmitKHz) return;
    StartTransmission(fw);
}
