#pragma once
#include <QPushButton>
#include <cstdint>

// A push-to-talk button (Button1 "PTT Pilot", Button2 "PTT PAX"). Its byte
// in the panel inputs is 1 while a mouse button holds it down and 0 again on the
// release, wherever the pointer is by then. Any mouse button counts. The
// ordinary click leaves the byte alone; the keyboard holds the button through
// SetHeld (PanelKeyboard). A disabled button never sees the release of a press
// it was holding, so disabling it releases the byte (the firmware sees that
// at its next tick).
class PttButton : public QPushButton {
public:
    PttButton(QWidget* parent, const QString& text, const QRect& geometry, uint8_t& held);

    // Sets the byte and shows the button down or up.
    void SetHeld(bool held);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    uint8_t& held_;
};
