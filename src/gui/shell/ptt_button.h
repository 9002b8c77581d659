#pragma once
#include <QPushButton>
#include <cstdint>

#include "core/program_core.h"

// A push-to-talk button (Button1 "PTT Pilot", Button2 "PTT PAX"). Its PTT
// input in the program core is held while a mouse button holds it down and 0 again on the
// release, wherever the pointer is by then. Any mouse button counts. The
// ordinary click leaves the input alone; the keyboard holds the button through
// SetHeld (PanelKeyboard). A disabled button never sees the release of a press
// it was holding, so disabling it releases the input (the firmware sees that
// at its next tick).
class PttButton : public QPushButton {
public:
    PttButton(QWidget* parent, ProgramCore& core, Ptt which, const QString& text, const QRect& geometry);

    // Sets the input and shows the button down or up.
    void SetHeld(bool held);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ProgramCore& core_;
    Ptt which_;
};
