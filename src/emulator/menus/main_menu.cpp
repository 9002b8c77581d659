#include "emulator/menus/main_menu.h"

#include <cstdlib>

#include "emulator/menus/main_menu_items.h"
#include "emulator/menus/menu_item_drawing.h"
#include "emulator/menus/menu_labels.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/poll_step.h"
#include "help/help.h"

namespace {

constexpr uint8_t kLastItem = MainMenuItemCount - 1;
constexpr int16_t kFirstItemHelpTopic = 2;

// The microphone meter of the MIC level item, a level bar on text row 5.
constexpr uint8_t kMicLevelItem = 3;
constexpr uint8_t kMeterColumn = 1;
constexpr uint8_t kMeterRow = 5;

enum class KeyResult { Redraw, Unchanged, Leave };

// Editing never outlives the menu, also when a stop of the run destroys it.
class EditingEndsWithMenu {
public:
    EditingEndsWithMenu() = default;
    ~EditingEndsWithMenu() { EmulatorState.MenuEditing = false; }
    EditingEndsWithMenu(const EditingEndsWithMenu&) = delete;
    EditingEndsWithMenu& operator=(const EditingEndsWithMenu&) = delete;
};

const MenuItem& ItemShown() { return MainMenuItems[EmulatorState.MenuCursor]; }

void RunIfPresent(void (*operation)()) {
    if (operation) operation();
}

Task<> SelectIfPresent(Task<> (*select)()) {
    if (!select) co_return;
    co_await select();
}

void DrawNavigationFrame() {
    const uint8_t cursor = EmulatorState.MenuCursor;
    DrawTab(EndTab, MenuKeyTabX);
    DrawTab(SelTab, ActiveKeyTabX);
    if (cursor < kLastItem) EmulatorLcd().DrawIcon10(NextLabel.data(), DownLabelRow);
    if (cursor > 0) EmulatorLcd().DrawIcon10(PrevLabel.data(), UpLabelRow);
}

void FullRedraw() {
    EmulatorLcd().Clear();
    if (EmulatorState.MenuEditing)
        RunIfPresent(ItemShown().editFrame);
    else
        DrawNavigationFrame();
    ShowHelpTopic(static_cast<int16_t>(kFirstItemHelpTopic + EmulatorState.MenuCursor));
    ItemShown().draw();
}

// The peak falls by one step per poll step.
void UpdateMeter() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.MenuCursor != kMicLevelItem) return;
    EmulatorLcd().GotoText(kMeterColumn, kMeterRow);
    const auto sample = static_cast<uint16_t>(std::abs(s.MicSample) / 32);
    if (s.MeterPeak < sample)
        s.MeterPeak = sample;
    else if (s.MeterPeak > 0)
        --s.MeterPeak;
    EmulatorLcd().DrawLevelBar(s.MeterPeak / 16);
}

Task<KeyResult> BrowsingKey(uint8_t key) {
    uint8_t& cursor = EmulatorState.MenuCursor;
    switch (key) {
        case KeyActive:
            if (ItemShown().editFrame)
                EmulatorState.MenuEditing = true;
            else
                co_await SelectIfPresent(ItemShown().select);
            co_return KeyResult::Redraw;
        case KeyUpArrow:
            if (cursor == 0) co_return KeyResult::Unchanged;
            --cursor;
            co_return KeyResult::Redraw;
        case KeyDownArrow:
            if (cursor == kLastItem) co_return KeyResult::Unchanged;
            ++cursor;
            co_return KeyResult::Redraw;
        case KeyMenu: co_return KeyResult::Leave;
        default: co_return KeyResult::Unchanged;
    }
}

Task<KeyResult> EditingKey(uint8_t key) {
    switch (key) {
        case KeyActive: co_await SelectIfPresent(ItemShown().select); co_return KeyResult::Redraw;
        case KeyUpArrow: RunIfPresent(ItemShown().up); co_return KeyResult::Redraw;
        case KeyDownArrow: RunIfPresent(ItemShown().down); co_return KeyResult::Redraw;
        case KeyMenu: EmulatorState.MenuEditing = false; co_return KeyResult::Redraw;
        default: co_return KeyResult::Unchanged;
    }
}

Task<KeyResult> ActOnKey(uint8_t key) {
    if (EmulatorState.MenuEditing) {
        const KeyResult result = co_await EditingKey(key);
        co_return result;
    }
    const KeyResult result = co_await BrowsingKey(key);
    co_return result;
}

}  // namespace

Task<> RunMainMenu() {
    EmulatorStateRecord& s = EmulatorState;
    const EditingEndsWithMenu editing;
    if (s.MenuCursor > kLastItem) s.MenuCursor = 0;
    s.AuxTarget = 0;
    s.MeterPeak = 0;
    FullRedraw();
    for (;;) {
        // Every 500 ms the item draws itself again: edited values blink.
        if (s.RefreshFlag) {
            s.RefreshFlag = false;
            ItemShown().draw();
            continue;
        }
        co_await PollStep();
        const KeyResult result = co_await ActOnKey(s.KeyEvent);
        if (result == KeyResult::Leave) co_return;
        if (result == KeyResult::Redraw)
            FullRedraw();
        else
            UpdateMeter();
    }
}
