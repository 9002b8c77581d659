#include "gui/shell/ptt_button.h"

#include <QMouseEvent>

PttButton::PttButton(QWidget* parent, const QString& text, const QRect& geometry, uint8_t& held)
    : QPushButton(text, parent), held_(held) {
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
}

void PttButton::mousePressEvent(QMouseEvent* event) {
    held_ = 1;
    QPushButton::mousePressEvent(event);
}

void PttButton::mouseReleaseEvent(QMouseEvent* event) {
    held_ = 0;
    QPushButton::mouseReleaseEvent(event);
}

void PttButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) held_ = 0;
    QPushButton::changeEvent(event);
}
