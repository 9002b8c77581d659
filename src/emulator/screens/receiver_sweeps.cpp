#include "emulator/screens/receiver_sweeps.h"

#include <string>

#include "display/display_text.h"
#include "display/lcd_font.h"
#include "emulator/hardware/hardware.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/screens/service_wait.h"
#include "emulator/screens/status_row.h"
#include "emulator/screens/sweep_frequencies.h"

namespace {

constexpr int kStepTestRefreshes = 2;
constexpr int kScanDwellWithoutSignal = 5;  // ticks
constexpr int kScanDwellWithSignal = 100;   // ticks
constexpr uint8_t kMarkColumn = 10;         // right of "RX: 112.00"

// "RX: 112.00", large, at column 0 of row 1.
void ShowFrequency(int32_t f) {
    EmulatorLcd().Inverse = false;
    EmulatorLcd().BigFont = true;
    EmulatorLcd().GotoText(0, 1);
    EmulatorLcd().DrawText("RX: " + FormatFreq6(10 * f));
    EmulatorLcd().BigFont = false;
}

// The 25 kHz channel mark: the font's small zero, or a blank.
void ShowQuarterChannelMark(int32_t f) {
    EmulatorLcd().GotoText(kMarkColumn, 1);
    EmulatorLcd().DrawText(std::string(1, static_cast<char>(IsQuarterChannel(f) ? SmallDigitZeroCode : ' ')));
}

// Transmit-enable line off, synthesizer at f with the receiver's offset.
void ProgramReceiver(int32_t f) {
    WritePathRegister2(PathTransmitEnable);
    SetSynthesizer(10 * f + ReceiverOffsetKHz);
}

// False when a key ended the test.
Task<bool> DwellRefreshes() {
    for (int i = 0; i < kStepTestRefreshes; ++i) {
        const bool refreshed = co_await WaitForFlagOrKey(EmulatorState.RefreshFlag, DrawReceiveLevelBar);
        if (!refreshed) co_return false;
    }
    co_return true;
}

// Counted in ticks; the below-squelch flag decides on every tick how long the
// frequency stays. False when a key ended the test.
Task<bool> DwellTicks() {
    EmulatorStateRecord& s = EmulatorState;
    s.DiagTickMark = false;
    for (int ticks = 1;; ++ticks) {
        const bool ticked = co_await WaitForFlagOrKey(s.DiagTickMark, DrawReceiveLevelBar);
        if (!ticked) co_return false;
        if (ticks >= (s.BelowSquelch ? kScanDwellWithoutSignal : kScanDwellWithSignal)) co_return true;
    }
}

}  // namespace

Task<> RunReceiverStepTest() {
    EmulatorLcd().Clear();
    for (int32_t f = SweepFirst;; f = NextWideStep(f)) {
        ShowFrequency(f);
        ProgramReceiver(f);
        const bool dwelt = co_await DwellRefreshes();
        if (!dwelt) break;
    }
    TuneReceiver();
}

Task<> RunReceiverScanTest() {
    EmulatorLcd().Clear();
    for (int32_t f = SweepFirst;; f = NextScanStep(f, EmulatorState.Step25)) {
        ShowFrequency(f);
        if (EmulatorState.Step25) ShowQuarterChannelMark(f);
        ProgramReceiver(f);
        const bool dwelt = co_await DwellTicks();
        if (!dwelt) break;
    }
    TuneReceiver();
}
