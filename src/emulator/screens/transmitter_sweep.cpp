#include "emulator/screens/transmitter_sweep.h"

#include <string>

#include "emulator/hardware/hardware.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/screens/service_wait.h"
#include "emulator/screens/sweep_frequencies.h"

namespace {

constexpr int kTicksPerFrequency = 3;

// "TX: 11200", large, at column 0 of row 0.
void ShowFrequency(Firmware& fw, int32_t f) {
    fw.Display.Inverse = false;
    fw.Display.BigFont = true;
    fw.Display.GotoText(0, 0);
    fw.Display.DrawText("TX: " + std::to_string(f));
    fw.Display.BigFont = false;
}

// The enable line on for the first tick, off for the others. False when a
// key ended the test.
Task<bool> PulseTransmitter(Firmware& fw) {
    for (int tick = 1; tick <= kTicksPerFrequency; ++tick) {
        fw.State.DiagTickMark = false;
        const bool ticked = co_await WaitForFlagOrKey(fw, fw.State.DiagTickMark);
        if (!ticked) co_return false;
        if (tick == 1)
            WritePathRegister1(fw, PathTransmitEnable);
        else
            WritePathRegister2(fw, PathTransmitEnable);
    }
    co_return true;
}

}  // namespace

// A key may end the test while the enable line is on: tuning the receiver
// selects the receive path, which switches the line off, and puts the
// synthesizer back on the frequency being received.
Task<> RunTransmitterStepTest(Firmware& fw) {
    fw.Display.Clear();
    for (int32_t f = SweepFirst;; f = NextWideStep(f)) {
        ShowFrequency(fw, f);
        SetSynthesizer(fw, 10 * f);
        const bool pulsed = co_await PulseTransmitter(fw);
        if (!pulsed) break;
        fw.State.RefreshFlag = false;
    }
    TuneReceiver(fw);
}
