#include "gui/shell/panel_keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <algorithm>
#include <utility>

#include "core/program_core.h"
#include "emulator/hardware/panel_inputs.h"
#include "gui/shell/key_area.h"
#include "gui/shell/ptt_button.h"

namespace {

struct PanelKey {
    Qt::Key key;
    uint8_t bit;
    const char* panelName;
    const char* keyName;
};

constexpr PanelKey kPanelKeys[] = {
    {Qt::Key_M, KeyBitMenu, "MENU", "M"},     {Qt::Key_A, KeyBitActive, "ACTIVE", "A"},
    {Qt::Key_Up, KeyBitUp, "UP", "Up arrow"}, {Qt::Key_Down, KeyBitDown, "DOWN", "Down arrow"},
    {Qt::Key_V, KeyBitVolSq, "VOL/SQ", "V"},  {Qt::Key_C, KeyBitMhzKhzCh, "MHz/KHz/CH", "C"},
};

// In the order of PanelKeyboard's PTT buttons: pilot, passenger.
struct PttKey {
    Qt::Key key;
    const char* keyName;
};
constexpr PttKey kPttKeys[] = {{Qt::Key_Space, "Space"}, {Qt::Key_X, "X"}};

const PanelKey* FindPanelKey(int key) {
    const auto* found = std::ranges::find(kPanelKeys, key, &PanelKey::key);
    return found == std::end(kPanelKeys) ? nullptr : found;
}

std::ptrdiff_t PttIndex(int key) {
    const auto* found = std::ranges::find(kPttKeys, key, &PttKey::key);
    return found == std::end(kPttKeys) ? -1 : found - std::begin(kPttKeys);
}

bool IsPanelKey(int key) { return FindPanelKey(key) || PttIndex(key) >= 0; }

}  // namespace

PanelKeyboard::PanelKeyboard(QWidget* window, ProgramCore& core, const std::array<KeyArea*, 6>& shapes,
                             PttButton* pilot, PttButton* pax)
    : window_(window), core_(core), ptt_{pilot, pax} {
    for (KeyArea* shape : shapes) {
        const auto* key = std::ranges::find(kPanelKeys, shape->KeyBit(), &PanelKey::bit);
        shape->setToolTip(QString("%1 (keyboard: %2)").arg(key->panelName, key->keyName));
    }
    for (std::size_t i = 0; i < ptt_.size(); ++i)
        ptt_[i]->setToolTip(QString("%1 (keyboard: hold %2)").arg(ptt_[i]->text(), kPttKeys[i].keyName));
    qApp->installEventFilter(this);
}

void PanelKeyboard::ReleaseAll() {
    core_.ReleaseKey(std::exchange(heldBits_, 0));
    for (PttButton*& button : heldPtt_) {
        if (button) button->SetHeld(false);
        button = nullptr;
    }
}

bool PanelKeyboard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: return OnKey(watched, static_cast<const QKeyEvent&>(*event));
        case QEvent::WindowDeactivate:
            if (watched == window_) ReleaseAll();
            return false;
        default: return false;
    }
}

// Returns whether the event is used up. A key event comes here once for the
// platform window and once for the focused control it is passed on to.
bool PanelKeyboard::OnKey(QObject* receiver, const QKeyEvent& key) {
    if (!IsPanelKey(key.key())) return false;
    const bool forThisWindow = ForThisWindow(receiver);
    if (key.isAutoRepeat()) return forThisWindow;
    if (key.type() == QEvent::KeyRelease) {
        Release(key.key());
        return forThisWindow;
    }
    if (!forThisWindow || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) return false;
    Press(key.key());
    return true;
}

// The menu bar has focus while it is worked from the keyboard (after Alt).
bool PanelKeyboard::ForThisWindow(QObject* receiver) const {
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    return widget && widget->window() == window_ && !qobject_cast<const QMenuBar*>(widget) &&
           !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

void PanelKeyboard::Press(int key) {
    if (const PanelKey* panelKey = FindPanelKey(key)) {
        heldBits_ |= panelKey->bit;
        core_.PressKey(panelKey->bit);
        return;
    }
    const auto index = static_cast<std::size_t>(PttIndex(key));
    // Space is the key of a focused push button: on a PTT button it holds that one.
    auto* focused = dynamic_cast<PttButton*>(QApplication::focusWidget());
    HoldPtt(index, key == Qt::Key_Space && focused ? focused : ptt_[index]);
}

void PanelKeyboard::HoldPtt(std::size_t index, PttButton* button) {
    if (heldPtt_[index] || !button->isEnabled() || std::ranges::find(heldPtt_, button) != heldPtt_.end()) return;
    heldPtt_[index] = button;
    button->SetHeld(true);
}

void PanelKeyboard::Release(int key) {
    if (const PanelKey* panelKey = FindPanelKey(key)) {
        if (!(heldBits_ & panelKey->bit)) return;
        heldBits_ &= static_cast<uint8_t>(~panelKey->bit);
        core_.ReleaseKey(panelKey->bit);
        return;
    }
    PttButton*& held = heldPtt_[static_cast<std::size_t>(PttIndex(key))];
    if (held) held->SetHeld(false);
    held = nullptr;
}
