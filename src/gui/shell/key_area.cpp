#include "gui/shell/key_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "emulator/hardware/panel_inputs.h"

KeyArea::KeyArea(QWidget* parent, const QRect& geometry, uint8_t keyBit) : QWidget(parent), keyBit_(keyBit) {
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
}

void KeyArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void KeyArea::mousePressEvent(QMouseEvent* event) {
    PanelInputs.KeyDown |= keyBit_;
    event->accept();
}

void KeyArea::mouseReleaseEvent(QMouseEvent* event) {
    PanelInputs.KeyDown &= static_cast<uint8_t>(~keyBit_);
    event->accept();
}
