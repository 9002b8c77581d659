#include "gui/shell/key_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/program_core.h"

KeyArea::KeyArea(QWidget* parent, ProgramCore& core, const QRect& geometry, uint8_t keyBit)
    : QWidget(parent), core_(core), keyBit_(keyBit) {
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
}

// Whole screen pixels only: 1, 1, 2 and 3 at 100, 150, 200 and 300%.
void KeyArea::SetZoom(int percent) {
    outline_ = std::max(1, percent / 100);
    update();
}

void KeyArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.setClipRegion(QRegion(area).subtracted(area.marginsRemoved({outline_, outline_, outline_, outline_})));
    painter.fillRect(area, Qt::black);
}

void KeyArea::mousePressEvent(QMouseEvent* event) {
    core_.PressKey(keyBit_);
    event->accept();
}

void KeyArea::mouseReleaseEvent(QMouseEvent* event) {
    core_.ReleaseKey(keyBit_);
    event->accept();
}
