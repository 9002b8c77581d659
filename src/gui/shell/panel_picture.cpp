#include "gui/shell/panel_picture.h"

#include <QPaintEvent>
#include <QPainter>

PanelPicture::PanelPicture(QWidget* parent)
    : QWidget(parent), picture_(QImage(":/panel.png").convertToFormat(QImage::Format_RGB32)) {
    setFixedSize(picture_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelPicture::SetPixel(int x, int y, uint32_t rgb) {
    if (!picture_.valid(x, y)) return;
    // The emulator redraws unchanged fields every tick; only a real change
    // asks for a repaint.
    QRgb& pixel = reinterpret_cast<QRgb*>(picture_.scanLine(y))[x];
    const QRgb colour = 0xFF000000u | rgb;
    if (pixel == colour) return;
    pixel = colour;
    changed_ = true;
}

void PanelPicture::FillRect(int x, int y, int width, int height, uint32_t rgb) {
    const QRect area = QRect(x, y, width, height).intersected(picture_.rect());
    for (int row = area.top(); row <= area.bottom(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(picture_.scanLine(row));
        std::fill(line + area.left(), line + area.right() + 1, 0xFF000000u | rgb);
    }
    changed_ = true;
}

void PanelPicture::RepaintIfChanged() {
    if (!changed_) return;
    changed_ = false;
    update();
}

void PanelPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}
