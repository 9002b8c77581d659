#include "emulator/screens/transmitter_sweep.h"

#include <string>

#include "emulator/hardware/hardware.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/screens/service_wait.h"
#include "emulator/screens/sweep_frequencies.h"

namespace {

constexpr int kTicksPerFrequency = 3;

// "TX: 11200", large, at column 0 of row 0.
void ShowFrequency(int32_t f) {
    EmulatorLcd().Inverse = false;
    EmulatorLcd().BigFont = true;
    EmulatorLcd().GotoText(0, 0);
    EmulatorLcd().DrawText("TX: " + std::to_string(f));
    EmulatorLcd().BigFont = false;
}

// The enable line on for the first tick, off for the others. False when a
// key ended the test.
Task<bool> PulseTransmitter() {
    for (int tick = 1; tick <= kTicksPerFrequency; ++tick) {
        EmulatorState.DiagTickMark = false;
        const bool ticked = co_await WaitForFlagOrKey(EmulatorState.DiagTickMark);
        if (!ticked) co_return false;
        if (tick == 1)
            WritePathRegister1(PathTransmitEnable);
        else
            WritePathRegister2(PathTransmitEnable);
    }
    co_return true;
}

}  // namespace

// A key may end the test while the enable line is on: tuning the receiver
// selects the receive path, which switches the line off, and puts the
// synthesizer back on the frequency being received.
Task<> RunTransmitterStepTest() {
    EmulatorLcd().Clear();
    for (int32_t f = SweepFirst;; f = NextWideStep(f)) {
        ShowFrequency(f);
        SetSynthesizer(10 * f);
        const bool pulsed = co_await PulseTransmitter();
        if (!pulsed) break;
        EmulatorState.RefreshFlag = false;
    }
    TuneReceiver();
}
