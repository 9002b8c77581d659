#include "emulator/keys/key_scan.h"

#include "emulator/hardware/key_matrix.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/radio/scanning.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

namespace {

constexpr uint8_t kGuardTicks = 5;
constexpr uint8_t kLongPressCount = 30;
constexpr uint8_t kRepeatRestart = 20;  // a repeat comes 11 ticks after the previous one
constexpr uint8_t kTuningTimeout = 20;

void RegisterKey(Firmware& fw, KeyCode code) {
    EmulatorStateRecord& s = fw.State;
    s.KeyEvent = code;
    s.LastKey = code;
    s.HoldCounter = 0;
    s.KeyGuard = kGuardTicks;
}

// The key the matrix reports; with several keys down: UP, MENU, DOWN,
// MHz/KHz/CH, VOL/SQ, ACTIVE.
KeyCode KeyReported(Firmware& fw) {
    const uint8_t upMenu = ReadKeyPort(fw, KeyPortUpMenu, 0);
    if (upMenu == KeyRowFirst) return KeyUpArrow;
    if (upMenu == KeyRowSecond) return KeyMenu;
    const uint8_t downStep = ReadKeyPort(fw, KeyPortDownStep, 0);
    if (downStep == KeyRowFirst) return KeyDownArrow;
    if (downStep == KeyRowSecond) return KeyMhzKhzCh;
    const uint8_t volActive = ReadKeyPort(fw, KeyPortVolActive, 0);
    if (volActive == KeyRowSecond) return KeyActive;
    if (volActive == KeyRowFirst) return KeyVolSq;
    return KeyNone;
}

void RegisterPress(Firmware& fw) {
    const KeyCode key = KeyReported(fw);
    if (key == KeyNone) return;
    RegisterKey(fw, key);
    if (key == KeyMhzKhzCh) fw.State.StepHold = false;
    if (key == KeyActive) fw.State.FlipHold = false;
}

void LongPress(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.LastKey == KeyUpArrow || s.LastKey == KeyDownArrow) {
        s.KeyEvent = s.LastKey;
        s.HoldCounter = kRepeatRestart;
    } else if (s.LastKey == KeyActive && !s.FlipHold) {
        if (s.ScanOn)
            StopScanning(fw);
        else
            s.ScanOn = true;
        s.RefreshFlag = true;
        s.KeyEvent = KeyActive;
        s.FlipHold = true;
        s.HoldCounter = 0;
    } else if (s.LastKey == KeyMhzKhzCh && !s.StepHold) {
        s.Step25 = !s.Step25;
        s.RefreshFlag = true;
        s.KeyEvent = KeyNone;
        s.StepHold = true;
        s.HoldCounter = 0;
        s.AdjustMode = AdjustKhz;
        s.AdjustTimeout = kTuningTimeout;
    } else {
        s.HoldCounter = kRepeatRestart;
    }
}

void ScanKeys(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.KeyEvent = KeyNone;
    if (ReadKeyPort(fw, KeyPortAny, 0) == 0) {
        if (s.KeyGuard > 0) --s.KeyGuard;
        return;
    }
    // A press within the guard after a release continues the hold only for
    // the same key: another key is a new press.
    const bool pressedAgain = s.KeyGuard < kGuardTicks;
    if (s.KeyGuard == 0 || (pressedAgain && KeyReported(fw) != s.LastKey)) return RegisterPress(fw);
    s.KeyGuard = kGuardTicks;
    if (s.HoldCounter < kLongPressCount) {
        ++s.HoldCounter;
        return;
    }
    LongPress(fw);
}

}  // namespace

// Every press latched since the last scan has now been seen once.
void KeyScan(Firmware& fw) {
    ScanKeys(fw);
    fw.Inputs.KeyLatched = 0;
}
