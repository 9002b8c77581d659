#include "gui/shell/lcd_window.h"

#include <QExposeEvent>
#include <QPainter>
#include <QResizeEvent>
#include <cstring>

namespace {

// Backing store images whose pixels are laid out as the picture's: opaque
// 32-bit pixels, one screen pixel each.
bool SameLayout(const QPaintDevice* device) {
    if (device->devType() != QInternal::Image) return false;
    const auto* image = static_cast<const QImage*>(device);
    const QImage::Format format = image->format();
    return image->devicePixelRatio() == 1 && (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                                              format == QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

LcdWindow::LcdWindow(const QImage& picture) : picture_(picture) {
    setFlags(Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
}

// The backing store takes the new size at once: the window's own resize may
// come later, from the platform.
void LcdWindow::SetArea(const QRect& area) {
    area_ = area;
    store_.resize(area_.size());
    Show(area_);
}

void LcdWindow::Show(const QRect& area) {
    const QRect local =
        area.intersected(area_).translated(-area_.topLeft()).intersected(QRect(QPoint(), store_.size()));
    if (!isExposed() || local.isEmpty()) return;
    CopyPicture(local);
    store_.flush(local);
}

void LcdWindow::CopyPicture(const QRect& local) {
    store_.beginPaint(local);
    QPaintDevice* device = store_.paintDevice();
    const QRect source = local.translated(area_.topLeft());
    if (SameLayout(device)) {
        auto* image = static_cast<QImage*>(device);
        const auto rowBytes = static_cast<std::size_t>(local.width()) * sizeof(QRgb);
        for (int y = 0; y < local.height(); ++y)
            std::memcpy(reinterpret_cast<QRgb*>(image->scanLine(local.top() + y)) + local.left(),
                        reinterpret_cast<const QRgb*>(picture_.constScanLine(source.top() + y)) + source.left(),
                        rowBytes);
    } else {
        QPainter painter(device);
        painter.drawImage(local, picture_, source);
    }
    store_.endPaint();
}

void LcdWindow::exposeEvent(QExposeEvent*) { Show(area_); }

void LcdWindow::resizeEvent(QResizeEvent* event) { store_.resize(event->size()); }
