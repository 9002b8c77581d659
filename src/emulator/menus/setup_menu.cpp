#include "emulator/menus/setup_menu.h"

#include <string>

#include "emulator/menus/setup_menu_items.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
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

const SetupItem& SelectedLine(Firmware& fw) { return kSetupItems[fw.State.SetupCursor]; }

void RunIfPresent(Firmware& fw, void (*operation)(Firmware&)) {
    if (operation) operation(fw);
}

Task<> SelectIfPresent(Firmware& fw, Task<> (*select)(Firmware&)) {
    if (!select) co_return;
    co_await select(fw);
}

// Line n on text rows `row` and `row` + 1, in large text. While browsing the
// selected line is inverse and its help topic is shown; while editing only
// its value is inverse.
void DrawLine(Firmware& fw, uint8_t n, uint8_t row) {
    const EmulatorStateRecord& s = fw.State;
    const bool selected = n == s.SetupCursor;
    fw.Display.BigFont = true;
    fw.Display.Inverse = selected && !s.SetupEditing;
    if (fw.Display.Inverse) fw.HelpText.ShowTopic(static_cast<int16_t>(kFirstLineHelpTopic + s.SetupCursor));
    fw.Display.GotoText(0, row);
    fw.Display.DrawText(kLineBlank);
    fw.Display.GotoText(0, row);
    fw.Display.DrawText(kSetupItems[n].label);
    const std::string value = kSetupItems[n].value ? kSetupItems[n].value(fw) : std::string();
    fw.Display.Inverse = selected;
    fw.Display.DrawText(value);
    fw.Display.Inverse = false;
    fw.Display.BigFont = false;
}

void FullRedraw(Firmware& fw) {
    fw.Display.Clear();
    for (uint8_t i = 0; i < kVisibleLines; ++i) DrawLine(fw, fw.State.SetupTop + i, 2 * i);
}

// From line 3 on the selected line is the bottom one on the screen, moving up
// as well as down.
void MoveCursor(Firmware& fw, bool up) {
    EmulatorStateRecord& s = fw.State;
    if (up && s.SetupCursor > 0) --s.SetupCursor;
    if (!up && s.SetupCursor < kLastLine) ++s.SetupCursor;
    s.SetupTop = s.SetupCursor >= kVisibleLines - 1 ? s.SetupCursor - (kVisibleLines - 1) : 0;
}

void UpDownKey(Firmware& fw, bool up) {
    if (fw.State.SetupEditing)
        RunIfPresent(fw, up ? SelectedLine(fw).up : SelectedLine(fw).down);
    else
        MoveCursor(fw, up);
}

// UP, DOWN, VOL/SQ, MHz/KHz/CH and ACTIVE while editing.
void ActOnKey(Firmware& fw, uint8_t key) {
    switch (key) {
        case KeyActive: fw.State.SetupEditing = false; break;
        case KeyUpArrow: UpDownKey(fw, true); break;
        case KeyDownArrow: UpDownKey(fw, false); break;
        default: break;
    }
}

}  // namespace

Task<> RunSetupMenu(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    s.HalfSeconds = 0;
    s.SetupCursor = 0;
    s.SetupTop = 0;
    s.SetupEditing = false;
    FullRedraw(fw);
    for (;;) {
        if (s.RefreshFlag) {
            s.RefreshFlag = false;
            continue;
        }
        co_await PollStep(fw);
        const uint8_t key = s.KeyEvent;
        if (key == KeyNone) {
            if (s.HalfSeconds > kIdleHalfSeconds) co_return;
            continue;
        }
        if (key == KeyMenu) co_return;
        // A line's select operation (a toggle, or a screen of its own) does
        // not restart the idle time.
        if (key == KeyActive && !s.SetupEditing) {
            co_await SelectIfPresent(fw, SelectedLine(fw).select);
        } else {
            ActOnKey(fw, key);
            s.HalfSeconds = 0;
        }
        FullRedraw(fw);
    }
}
