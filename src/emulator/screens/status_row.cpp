#include "emulator/screens/status_row.h"

#include <algorithm>

#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/radio/transmit_control.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"

namespace {

constexpr uint16_t kNoSignalLevel = 180;
constexpr int kReceiveSpan = 192;  // RxLevel 180..372 maps onto the bar 0..64
constexpr uint16_t kPeakCap = 255;

void DrawRowMessage(const char* text) {
    EmulatorLcd().GotoText(0, 6);
    EmulatorLcd().DrawText(text);
}

void DrawLevel(uint16_t value) {
    Lcd& lcd = EmulatorLcd();
    lcd.GotoText(3, 6);
    lcd.DrawLevelBar(value);
}

// Peak hold of the modulation level: rises at once, falls by an eighth and
// one more per tick.
void UpdateModulationPeak() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.ModLevel > s.ModPeak) {
        s.ModPeak = s.ModLevel;
    } else {
        s.ModPeak = static_cast<uint16_t>(s.ModPeak - s.ModPeak / 8);
        if (s.ModPeak > 0) --s.ModPeak;
    }
    s.ModPeak = std::min(s.ModPeak, kPeakCap);
}

}  // namespace

void UpdateStatusRow() {
    EmulatorStateRecord& s = EmulatorState;
    if (PttStuck() && PttHeld()) {
        DrawRowMessage("->Stuck PTT<-");
        return;
    }
    if (s.Transmitting) {
        if (s.ModWarnCount > 0 && s.TxTimer == 0) {
            DrawRowMessage("Modulation !!");
            --s.ModWarnCount;
            return;
        }
        UpdateModulationPeak();
        DrawLevel(std::min<uint16_t>(s.ModPeak / 4, 63));
        return;
    }
    DrawReceiveLevelBar();
}

void DrawReceiveLevelBar() {
    const int level = std::clamp(static_cast<int>(EmulatorState.RxLevel) - kNoSignalLevel, 0, kReceiveSpan);
    DrawLevel(static_cast<uint16_t>(level / 3));
}
