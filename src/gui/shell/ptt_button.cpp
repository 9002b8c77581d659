#include "gui/shell/ptt_button.h"

#include <QMouseEvent>

#include "gui/shell/panel_input_hook.h"

PttButton::PttButton(QWidget* parent, const QString& text, const QRect& geometry, uint8_t& held)
    : QPushButton(text, parent), held_(held) {
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
}

void PttButton::SetHeld(bool held) {
    held_ = held ? 1 : 0;
    setDown(held);
    PanelInputsChanged();
}

void PttButton::mousePressEvent(QMouseEvent* event) {
    held_ = 1;
    QPushButton::mousePressEvent(event);
    PanelInputsChanged();
}

void PttButton::mouseReleaseEvent(QMouseEvent* event) {
    held_ = 0;
    QPushButton::mouseReleaseEvent(event);
    PanelInputsChanged();
}

void PttButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) held_ = 0;
    QPushButton::changeEvent(event);
}
