#pragma once
#include <QObject>
#include <array>
#include <cstdint>

class KeyArea;
class ProgramCore;
class PttButton;
class QKeyEvent;
class QWidget;

// The front panel from the keyboard. While the main window is active and no
// dialog or menu is open, M, A, Up, Down, V and C (either case) hold MENU,
// ACTIVE, UP, DOWN, VOL/SQ and MHz/KHz/CH; Space holds the PTT button that
// has focus, else PTT Pilot; X holds PTT PAX. The PTT keys act only while
// their button is enabled. These keys act whichever control has focus and
// never reach it (a focused slider does not move on Up/Down); with Ctrl, Alt
// or Meta they are left to the menus and controls. The keyboard's auto-repeat
// is ignored, since the firmware repeats a held key by itself. A key is let
// go when it is released, wherever that happens, and every key when the
// window loses activation (another window or a dialog comes up).
//
// Watches the application's events from its creation; runs on the GUI thread.
class PanelKeyboard : public QObject {
public:
    PanelKeyboard(QWidget* window, ProgramCore& core, const std::array<KeyArea*, 6>& shapes, PttButton* pilot,
                  PttButton* pax);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKey(QObject* receiver, const QKeyEvent& key);
    bool ForThisWindow(QObject* receiver) const;
    void Press(int key);
    void Release(int key);
    void HoldPtt(std::size_t index, PttButton* button);
    // Lets go of everything the keyboard holds.
    void ReleaseAll();

    QWidget* window_;
    ProgramCore& core_;
    std::array<PttButton*, 2> ptt_;        // what Space and X hold unless a PTT button has focus
    uint8_t heldBits_ = 0;                 // the KeyDown bits this keyboard set
    std::array<PttButton*, 2> heldPtt_{};  // the button Space and X hold now
};
