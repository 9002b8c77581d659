#include "emulator/keys/key_scan.h"

#include "emulator/hardware/key_matrix.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/radio/scanning.h"
#include "emulator/runtime/emulator_state.h"

namespace {

constexpr uint8_t kGuardTicks = 5;
constexpr uint8_t kLongPressCount = 30;
constexpr uint8_t kRepeatRestart = 20;  // a repeat comes 11 ticks after the previous one
constexpr uint8_t kTuningTimeout = 20;

void RegisterKey(KeyCode code) {
    EmulatorStateRecord& s = EmulatorState;
    s.KeyEvent = code;
    s.LastKey = code;
    s.HoldCounter = 0;
    s.KeyGuard = kGuardTicks;
}

// The key the matrix reports; with several keys down: UP, MENU, DOWN,
// MHz/KHz/CH, VOL/SQ, ACTIVE.
KeyCode KeyReported() {
    const uint8_t upMenu = ReadKeyPort(KeyPortUpMenu, 0);
    if (upMenu == KeyRowFirst) return KeyUpArrow;
    if (upMenu == KeyRowSecond) return KeyMenu;
    const uint8_t downStep = ReadKeyPort(KeyPortDownStep, 0);
    if (downStep == KeyRowFirst) return KeyDownArrow;
    if (downStep == KeyRowSecond) return KeyMhzKhzCh;
    const uint8_t volActive = ReadKeyPort(KeyPortVolActive, 0);
    if (volActive == KeyRowSecond) return KeyActive;
    if (volActive == KeyRowFirst) return KeyVolSq;
    return KeyNone;
}

void RegisterPress() {
    const KeyCode key = KeyReported();
    if (key == KeyNone) return;
    RegisterKey(key);
    if (key == KeyMhzKhzCh) EmulatorState.StepHold = false;
    if (key == KeyActive) EmulatorState.FlipHold = false;
}

void LongPress() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.LastKey == KeyUpArrow || s.LastKey == KeyDownArrow) {
        s.KeyEvent = s.LastKey;
        s.HoldCounter = kRepeatRestart;
    } else if (s.LastKey == KeyActive && !s.FlipHold) {
        if (s.ScanOn)
            StopScanning();
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

void ScanKeys() {
    EmulatorStateRecord& s = EmulatorState;
    s.KeyEvent = KeyNone;
    if (ReadKeyPort(KeyPortAny, 0) == 0) {
        if (s.KeyGuard > 0) --s.KeyGuard;
        return;
    }
    // A press within the guard after a release continues the hold only for
    // the same key: another key is a new press.
    const bool pressedAgain = s.KeyGuard < kGuardTicks;
    if (s.KeyGuard == 0 || (pressedAgain && KeyReported() != s.LastKey)) return RegisterPress();
    s.KeyGuard = kGuardTicks;
    if (s.HoldCounter < kLongPressCount) {
        ++s.HoldCounter;
        return;
    }
    LongPress();
}

}  // namespace

// Every press latched since the last scan has now been seen once.
void KeyScan() {
    ScanKeys();
    PanelInputs.KeyLatched = 0;
}
