#include "gui/shell/panel_picture.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "settings/zoom.h"

namespace {

// The picture pixels the frame covers: the display and its two extra columns.
const QRect kFrameArea(LcdPictureLeft, LcdPictureTop, 2 * LcdFrame::Width, 2 * LcdFrame::Height);

}  // namespace

PanelPicture::PanelPicture(QWidget* parent, LcdFrame& frame)
    : QWidget(parent),
      frame_(frame),
      picture_(QImage(":/panel.png").convertToFormat(QImage::Format_RGB32)),
      shown_(picture_),
      shownRevision_(frame.Revision()),
      lcd_(new LcdWindow(shown_)),
      lcdContainer_(QWidget::createWindowContainer(lcd_, this)) {
    ShowFrame(ZoomedRect(kFrameArea));
    setFixedSize(picture_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    lcdContainer_->setFocusPolicy(Qt::NoFocus);
    lcdContainer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlaceLcd();
}

void PanelPicture::PlaceLcd() {
    const QRect area = ZoomedRect(kFrameArea);
    lcdContainer_->setGeometry(area);
    lcd_->SetArea(area);
}

void PanelPicture::SetZoom(int percent) {
    zoom_ = percent;
    const QSize size(Zoomed(picture_.width(), zoom_), Zoomed(picture_.height(), zoom_));
    shown_ = QImage(size, QImage::Format_RGB32);
    Show(picture_.rect());
    ShowFrame(ZoomedRect(kFrameArea));
    setFixedSize(size);
    PlaceLcd();
    update();
}

void PanelPicture::Show(const QRect& area) {
    const QRect screen = ZoomedRect(area);
    for (int y = screen.top(); y <= screen.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture_.constScanLine(Unzoomed(y, zoom_)));
        auto* to = reinterpret_cast<QRgb*>(shown_.scanLine(y));
        for (int x = screen.left(); x <= screen.right(); ++x) to[x] = from[Unzoomed(x, zoom_)];
    }
}

QRect PanelPicture::ZoomedRect(const QRect& area) const {
    const QPoint topLeft(Zoomed(area.left(), zoom_), Zoomed(area.top(), zoom_));
    const QPoint end(Zoomed(area.right() + 1, zoom_), Zoomed(area.bottom() + 1, zoom_));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

void PanelPicture::RepaintIfChanged() {
    if (frame_.Revision() == shownRevision_) return;
    shownRevision_ = frame_.Revision();
    const PixelRect dirty = frame_.TakeDirty();
    if (dirty.Empty()) return;
    const QRect area(LcdPictureLeft + 2 * dirty.left, LcdPictureTop + 2 * dirty.top, 2 * (dirty.right - dirty.left),
                     2 * (dirty.bottom - dirty.top));
    const QRect screen = ZoomedRect(area);
    ShowFrame(screen);
    lcd_->Show(screen);
}

void PanelPicture::ShowFrame(const QRect& screenArea) {
    const QRect area = screenArea.intersected(ZoomedRect(kFrameArea));
    std::vector<int> columns(static_cast<std::size_t>(std::max(0, area.width())));
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = (Unzoomed(area.left() + static_cast<int>(i), zoom_) - LcdPictureLeft) / 2;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int row = (Unzoomed(y, zoom_) - LcdPictureTop) / 2;
        auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(y)) + area.left();
        for (const int column : columns) *line++ = 0xFF000000u | (frame_.On(column, row) ? LcdOnColour : LcdOffColour);
    }
}

void PanelPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), shown_, event->rect());
}
