#include "emulator/screens/status_row.h"

#include <algorithm>

#include "emulator/radio/radio_constants.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/radio/transmit_control.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

namespace {

constexpr uint16_t kNoSignalLevel = 180;
constexpr int kReceiveSpan = 192;  // RxLevel 180..372 maps onto the bar 0..64
constexpr uint16_t kPeakCap = 255;

void DrawRowMessage(Firmware& fw, const char* text) {
    fw.Display.GotoText(0, 6);
    fw.Display.DrawText(text);
}

void DrawLevel(Firmware& fw, uint16_t value) {
    Lcd& lcd = fw.Display;
    lcd.GotoText(3, 6);
    lcd.DrawLevelBar(value);
}

// Peak hold of the modulation level: rises at once, falls by an eighth and
// one more per tick.
void UpdateModulationPeak(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.ModLevel > s.ModPeak) {
        s.ModPeak = s.ModLevel;
    } else {
        s.ModPeak = static_cast<uint16_t>(s.ModPeak - s.ModPeak / 8);
        if (s.ModPeak > 0) --s.ModPeak;
    }
    s.ModPeak = std::min(s.ModPeak, kPeakCap);
}

}  // namespace

void UpdateStatusRow(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (PttStuck(fw) && PttHeld(fw)) {
        DrawRowMessage(fw, "->Stuck PTT<-");
        return;
    }
    if (s.Transmitting) {
        if (s.ModWarnCount > 0 && s.TxTimer == 0) {
            DrawRowMessage(fw, "Modulation !!");
            --s.ModWarnCount;
            return;
        }
        UpdateModulationPeak(fw);
        DrawLevel(fw, std::min<uint16_t>(s.ModPeak / 4, 63));
        return;
    }
    DrawReceiveLevelBar(fw);
}

void DrawReceiveLevelBar(Firmware& fw) {
    const int level = std::clamp(static_cast<int>(fw.State.RxLevel) - kNoSignalLevel, 0, kReceiveSpan);
    DrawLevel(fw, static_cast<uint16_t>(level / 3));
}
