#include "gui/shell/key_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "emulator/hardware/panel_inputs.h"
#include "gui/shell/panel_input_hook.h"

KeyArea::KeyArea(QWidget* parent, const QRect& geometry, uint8_t keyBit, PanelInputsRecord& inputs)
    : QWidget(parent), keyBit_(keyBit), inputs_(inputs) {
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
    PressPanelKey(inputs_, keyBit_);
    PanelInputsChanged();
    event->accept();
}

void KeyArea::mouseReleaseEvent(QMouseEvent* event) {
    ReleasePanelKey(inputs_, keyBit_);
    PanelInputsChanged();
    event->accept();
}
