#include "gui/shell/panel_picture.h"

#include <QPaintEvent>
#include <QPainter>

#include "settings/zoom.h"

PanelPicture::PanelPicture(QWidget* parent)
    : QWidget(parent), picture_(QImage(":/panel.png").convertToFormat(QImage::Format_RGB32)), shown_(picture_) {
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
    Show({x, y, 1, 1});
    changed_ = true;
}

void PanelPicture::FillRect(int x, int y, int width, int height, uint32_t rgb) {
    const QRect area = QRect(x, y, width, height).intersected(picture_.rect());
    for (int row = area.top(); row <= area.bottom(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(picture_.scanLine(row));
        std::fill(line + area.left(), line + area.right() + 1, 0xFF000000u | rgb);
    }
    Show(area);
    changed_ = true;
}

void PanelPicture::SetZoom(int percent) {
    zoom_ = percent;
    const QSize size(Zoomed(picture_.width(), zoom_), Zoomed(picture_.height(), zoom_));
    shown_ = QImage(size, QImage::Format_RGB32);
    Show(picture_.rect());
    setFixedSize(size);
    update();
}

void PanelPicture::Show(const QRect& area) {
    if (area.isEmpty()) return;
    const int left = Zoomed(area.left(), zoom_);
    const int right = Zoomed(area.right() + 1, zoom_);
    for (int y = Zoomed(area.top(), zoom_); y < Zoomed(area.bottom() + 1, zoom_); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture_.constScanLine(Unzoomed(y, zoom_)));
        auto* to = reinterpret_cast<QRgb*>(shown_.scanLine(y));
        for (int x = left; x < right; ++x) to[x] = from[Unzoomed(x, zoom_)];
    }
}

void PanelPicture::RepaintIfChanged() {
    if (!changed_) return;
    changed_ = false;
    update();
}

void PanelPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), shown_, event->rect());
}
