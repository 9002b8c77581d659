#include "emulator/menus/main_menu.h"

#include <cstdlib>

#include "emulator/menus/main_menu_items.h"
#include "emulator/menus/menu_item_drawing.h"
#include "emulator/menus/menu_labels.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
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
    explicit EditingEndsWithMenu(Firmware& fw) : fw_(fw) {}
    ~EditingEndsWithMenu() { fw_.State.MenuEditing = false; }
    EditingEndsWithMenu(const EditingEndsWithMenu&) = delete;
    EditingEndsWithMenu& operator=(const EditingEndsWithMenu&) = delete;

private:
    Firmware& fw_;
};

const MenuItem& ItemShown(Firmware& fw) { return kMainMenuItems[fw.State.MenuCursor]; }

void RunIfPresent(Firmware& fw, void (*operation)(Firmware&)) {
    if (operation) operation(fw);
}

Task<> SelectIfPresent(Firmware& fw, Task<> (*select)(Firmware&)) {
    if (!select) co_return;
    co_await select(fw);
}

void DrawNavigationFrame(Firmware& fw) {
    const uint8_t cursor = fw.State.MenuCursor;
    DrawTab(fw, EndTab, MenuKeyTabX);
    DrawTab(fw, SelTab, ActiveKeyTabX);
    if (cursor < kLastItem) fw.Display.DrawIcon10(NextLabel.data(), DownLabelRow);
    if (cursor > 0) fw.Display.DrawIcon10(PrevLabel.data(), UpLabelRow);
}

void FullRedraw(Firmware& fw) {
    fw.Display.Clear();
    if (fw.State.MenuEditing)
        RunIfPresent(fw, ItemShown(fw).editFrame);
    else
        DrawNavigationFrame(fw);
    fw.HelpText.ShowTopic(static_cast<int16_t>(kFirstItemHelpTopic + fw.State.MenuCursor));
    ItemShown(fw).draw(fw);
}

// The peak falls by one step per poll step.
void UpdateMeter(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.MenuCursor != kMicLevelItem) return;
    fw.Display.GotoText(kMeterColumn, kMeterRow);
    const auto sample = static_cast<uint16_t>(std::abs(s.MicSample) / 32);
    if (s.MeterPeak < sample)
        s.MeterPeak = sample;
    else if (s.MeterPeak > 0)
        --s.MeterPeak;
    fw.Display.DrawLevelBar(s.MeterPeak / 16);
}

Task<KeyResult> BrowsingKey(Firmware& fw, uint8_t key) {
    uint8_t& cursor = fw.State.MenuCursor;
    switch (key) {
        case KeyActive:
            if (ItemShown(fw).editFrame)
                fw.State.MenuEditing = true;
            else
                co_await SelectIfPresent(fw, ItemShown(fw).select);
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

Task<KeyResult> EditingKey(Firmware& fw, uint8_t key) {
    switch (key) {
        case KeyActive: co_await SelectIfPresent(fw, ItemShown(fw).select); co_return KeyResult::Redraw;
        case KeyUpArrow: RunIfPresent(fw, ItemShown(fw).up); co_return KeyResult::Redraw;
        case KeyDownArrow: RunIfPresent(fw, ItemShown(fw).down); co_return KeyResult::Redraw;
        case KeyMenu: fw.State.MenuEditing = false; co_return KeyResult::Redraw;
        default: co_return KeyResult::Unchanged;
    }
}

Task<KeyResult> ActOnKey(Firmware& fw, uint8_t key) {
    if (fw.State.MenuEditing) {
        const KeyResult result = co_await EditingKey(fw, key);
        co_return result;
    }
    const KeyResult result = co_await BrowsingKey(fw, key);
    co_return result;
}

}  // namespace

Task<> RunMainMenu(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    const EditingEndsWithMenu editing(fw);
    if (s.MenuCursor > kLastItem) s.MenuCursor = 0;
    s.AuxTarget = 0;
    s.MeterPeak = 0;
    FullRedraw(fw);
    for (;;) {
        // Every 500 ms the item draws itself again: edited values blink.
        if (s.RefreshFlag) {
            s.RefreshFlag = false;
            ItemShown(fw).draw(fw);
            continue;
        }
        co_await PollStep(fw);
        const KeyResult result = co_await ActOnKey(fw, s.KeyEvent);
        if (result == KeyResult::Leave) co_return;
        if (result == KeyResult::Redraw)
            FullRedraw(fw);
        else
            UpdateMeter(fw);
    }
}
