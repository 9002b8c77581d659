#include "gui/shell/ptt_button.h"

#include <QMouseEvent>

PttButton::PttButton(QWidget* parent, ProgramCore& core, Ptt which, const QString& text, const QRect& geometry)
    : QPushButton(text, parent), core_(core), which_(which) {
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
}

void PttButton::SetHeld(bool held) {
    setDown(held);
    core_.SetPtt(which_, held);
}

void PttButton::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    core_.SetPtt(which_, true);
}

void PttButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    core_.SetPtt(which_, false);
}

void PttButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) core_.DropPtt(which_);
    QPushButton::changeEvent(event);
}
