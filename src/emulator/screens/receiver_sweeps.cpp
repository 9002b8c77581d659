#include "emulator/screens/receiver_sweeps.h"

#include <string>

#include "display/display_text.h"
#include "display/lcd_font.h"
#include "emulator/hardware/hardware.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/screens/service_wait.h"
#include "emulator/screens/status_row.h"
#include "emulator/screens/sweep_frequencies.h"

namespace {

constexpr int kStepTestRefreshes = 2;
constexpr int kScanDwellWithoutSignal = 5;  // ticks
constexpr int kScanDwellWithSignal = 100;   // ticks
constexpr uint8_t kMarkColumn = 10;         // right of "RX: 112.00"

// "RX: 112.00", large, at column 0 of row 1.
void ShowFrequency(Firmware& fw, int32_t f) {
    fw.Display.Inverse = false;
    fw.Display.BigFont = true;
    fw.Display.GotoText(0, 1);
    fw.Display.DrawText("RX: " + FormatFreq6(10 * f));
    fw.Display.BigFont = false;
}

// The 25 kHz channel mark: the font's small zero, or a blank.
void ShowQuarterChannelMark(Firmware& fw, int32_t f) {
    fw.Display.GotoText(kMarkColumn, 1);
    fw.Display.DrawText(std::string(1, static_cast<char>(IsQuarterChannel(f) ? SmallDigitZeroCode : ' ')));
}

// Transmit-enable line off, synthesizer at f with the receiver's offset.
void ProgramReceiver(Firmware& fw, int32_t f) {
    WritePathRegister2(fw, PathTransmitEnable);
    SetSynthesizer(fw, 10 * f + ReceiverOffsetKHz);
}

// False when a key ended the test.
Task<bool> DwellRefreshes(Firmware& fw) {
    for (int i = 0; i < kStepTestRefreshes; ++i) {
        const bool refreshed = co_await WaitForFlagOrKey(fw, fw.State.RefreshFlag, DrawReceiveLevelBar);
        if (!refreshed) co_return false;
    }
    co_return true;
}

// Counted in ticks; the below-squelch flag decides on every tick how long the
// frequency stays. False when a key ended the test.
Task<bool> DwellTicks(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.DiagTickMark = false;
    for (int ticks = 1;; ++ticks) {
        const bool ticked = co_await WaitForFlagOrKey(fw, s.DiagTickMark, DrawReceiveLevelBar);
        if (!ticked) co_return false;
        if (ticks >= (s.BelowSquelch ? kScanDwellWithoutSignal : kScanDwellWithSignal)) co_return true;
    }
}

}  // namespace

Task<> RunReceiverStepTest(Firmware& fw) {
    fw.Display.Clear();
    for (int32_t f = SweepFirst;; f = NextWideStep(f)) {
        ShowFrequency(fw, f);
        ProgramReceiver(fw, f);
        const bool dwelt = co_await DwellRefreshes(fw);
        if (!dwelt) break;
    }
    TuneReceiver(fw);
}

Task<> RunReceiverScanTest(Firmware& fw) {
    fw.Display.Clear();
    for (int32_t f = SweepFirst;; f = NextScanStep(f, fw.State.Step25)) {
        ShowFrequency(fw, f);
        if (fw.State.Step25) ShowQuarterChannelMark(fw, f);
        ProgramReceiver(fw, f);
        const bool dwelt = co_await DwellTicks(fw);
        if (!dwelt) break;
    }
    TuneReceiver(fw);
}
