#include "emulator/menus/setup_menu.h"

#include <string>

#include "emulator/menus/setup_menu_items.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/poll_step.h"
#include "help/help.h"

namespace {

constexpr uint8_t kLastLine = SetupItemCount - 1;
constexpr uint8_t kVisibleLines = 4;
constexpr int16_t kFirstLineHelpTopic = 200;
// HalfSeconds serves as the idle timer: past this the menu closes.
constexpr uint8_t kIdleHalfSeconds = 200;
// Fourteen spaces: a whole line and the two columns beyond the right edge.
constexpr const char* kLineBlank = "              ";

const SetupItem& SelectedLine() { return SetupItems[EmulatorState.SetupCursor]; }

void RunIfPresent(void (*operation)()) {
    if (operation) operation();
}

Task<> SelectIfPresent(Task<> (*select)()) {
    if (!select) co_return;
    co_await select();
}

// Line n on text rows `row` and `row` + 1, in large text. While browsing the
// selected line is inverse and its help topic is shown; while editing only
// its value is inverse.
void DrawLine(uint8_t n, uint8_t row) {
    const EmulatorStateRecord& s = EmulatorState;
    const bool selected = n == s.SetupCursor;
    EmulatorLcd().BigFont = true;
    EmulatorLcd().Inverse = selected && !s.SetupEditing;
    if (EmulatorLcd().Inverse) ShowHelpTopic(static_cast<int16_t>(kFirstLineHelpTopic + s.SetupCursor));
    EmulatorLcd().GotoText(0, row);
    EmulatorLcd().DrawText(kLineBlank);
    EmulatorLcd().GotoText(0, row);
    EmulatorLcd().DrawText(SetupItems[n].label);
    const std::string value = SetupItems[n].value ? SetupItems[n].value() : std::string();
    EmulatorLcd().Inverse = selected;
    EmulatorLcd().DrawText(value);
    EmulatorLcd().Inverse = false;
    EmulatorLcd().BigFont = false;
}

void FullRedraw() {
    EmulatorLcd().Clear();
    for (uint8_t i = 0; i < kVisibleLines; ++i) DrawLine(EmulatorState.SetupTop + i, 2 * i);
}

// From line 3 on the selected line is the bottom one on the screen, moving up
// as well as down.
void MoveCursor(bool up) {
    EmulatorStateRecord& s = EmulatorState;
    if (up && s.SetupCursor > 0) --s.SetupCursor;
    if (!up && s.SetupCursor < kLastLine) ++s.SetupCursor;
    s.SetupTop = s.SetupCursor >= kVisibleLines - 1 ? s.SetupCursor - (kVisibleLines - 1) : 0;
}

void UpDownKey(bool up) {
    if (EmulatorState.SetupEditing)
        RunIfPresent(up ? SelectedLine().up : SelectedLine().down);
    else
        MoveCursor(up);
}

// UP, DOWN, VOL/SQ, MHz/KHz/CH and ACTIVE while editing.
void ActOnKey(uint8_t key) {
    switch (key) {
        case KeyActive: EmulatorState.SetupEditing = false; break;
        case KeyUpArrow: UpDownKey(true); break;
        case KeyDownArrow: UpDownKey(false); break;
        default: break;
    }
}

}  // namespace

Task<> RunSetupMenu() {
    EmulatorStateRecord& s = EmulatorState;
    s.HalfSeconds = 0;
    s.SetupCursor = 0;
    s.SetupTop = 0;
    s.SetupEditing = false;
    FullRedraw();
    for (;;) {
        if (s.RefreshFlag) {
            s.RefreshFlag = false;
            continue;
        }
        co_await PollStep();
        const uint8_t key = s.KeyEvent;
        if (key == KeyNone) {
            if (s.HalfSeconds > kIdleHalfSeconds) co_return;
            continue;
        }
        if (key == KeyMenu) co_return;
        // A line's select operation (a toggle, or a screen of its own) does
        // not restart the idle time.
        if (key == KeyActive && !s.SetupEditing) {
            co_await SelectIfPresent(SelectedLine().select);
        } else {
            ActOnKey(key);
            s.HalfSeconds = 0;
        }
        FullRedraw();
    }
}
