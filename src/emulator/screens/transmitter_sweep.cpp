#include "emulator/screens/transmitter_sweep.h"

#include <string>

#include "display/lcd.h"
#include "emulator/hardware/hardware.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/screens/service_wait.h"
#include "emulator/screens/sweep_frequencies.h"

namespace {

constexpr int kTicksPerFrequency = 3;

// "TX: 11200", large, at column 0 of row 0.
void ShowFrequency(int32_t f) {
    LcdInverse = false;
    LcdBigFont = true;
    LcdGotoText(0, 0);
    LcdText = "TX: " + std::to_string(f);
    LcdDrawText();
    LcdBigFont = false;
}

// The enable line on for the first tick, off for the others. False when a
// key ended the test.
bool PulseTransmitter() {
    for (int tick = 1; tick <= kTicksPerFrequency; ++tick) {
        EmulatorState.DiagTickMark = false;
        if (!WaitForFlagOrKey(EmulatorState.DiagTickMark)) return false;
        if (tick == 1)
            WritePathRegister1(PathTransmitEnable);
        else
            WritePathRegister2(PathTransmitEnable);
    }
    return true;
}

}  // namespace

// A key may end the test while the enable line is on: tuning the receiver
// selects the receive path, which switches the line off, and puts the
// synthesizer back on the frequency being received.
void RunTransmitterStepTest() {
    LcdClear();
    for (int32_t f = SweepFirst;; f = NextWideStep(f)) {
        ShowFrequency(f);
        SetSynthesizer(10 * f);
        if (!PulseTransmitter()) break;
        EmulatorState.RefreshFlag = false;
    }
    TuneReceiver();
}
