#include "gui/shell/window_zoom.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "gui/shell/window_placement.h"
#include "gui/shell/zoomable.h"
#include "gui/shell/zoomed_style.h"
#include "settings/zoom.h"

namespace {

QRect ZoomedRect(const QRect& r, int percent) {
    const QPoint topLeft(Zoomed(r.left(), percent), Zoomed(r.top(), percent));
    const QPoint end(Zoomed(r.left() + r.width(), percent), Zoomed(r.top() + r.height(), percent));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

QSize ZoomedSize(const QSize& size, int percent) { return ZoomedRect({{0, 0}, size}, percent).size(); }

QFont ZoomedFont(QFont font, int percent) {
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() * percent / 100);
    else
        font.setPointSizeF(font.pointSizeF() * percent / 100);
    return font;
}

}  // namespace

int BarsHeight(const QMainWindow* window) {
    const auto* status = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    return window->menuBar()->sizeHint().height() + (status ? status->sizeHint().height() : 0);
}

WindowZoom::WindowZoom(QMainWindow* window)
    : window_(window), font_(window->font()), clientSize_(window->centralWidget()->size()) {
    for (QWidget* control : window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        std::optional<QFont> font;
        if (control->testAttribute(Qt::WA_SetFont)) font = control->font();
        controls_.push_back({control, control->geometry(), font});
    }
}

void WindowZoom::Apply(int percent) {
    percent_ = percent;
    QWidget* client = window_->centralWidget();
    QStyle* previous = style_;
    style_ = percent == DefaultZoom ? nullptr : new ZoomedStyle(percent);
    if (style_) style_->setParent(client);  // outlives the controls: it comes after them

    // The menus are windows of their own and do not take the window's font.
    window_->setFont(ZoomedFont(font_, percent));
    for (QMenu* menu : window_->menuBar()->findChildren<QMenu*>()) menu->setFont(window_->font());
    for (const Control& c : controls_) {
        c.widget->setStyle(style_);
        c.widget->setGeometry(ZoomedRect(c.geometry, percent));
        if (c.font) c.widget->setFont(ZoomedFont(*c.font, percent));
        if (auto* zoomable = dynamic_cast<Zoomable*>(c.widget)) zoomable->SetZoom(percent);
    }
    delete previous;

    client->setFixedSize(ZoomedSize(clientSize_, percent));
    window_->setFixedSize(client->width(), client->height() + BarsHeight(window_));
    PlaceOnScreen(window_, window_->pos());
}

// The menu bar grows with its font, about as the rest of the window does.
bool WindowZoom::Fits(int percent) const {
    const QSize size = window_->size();
    return FitsOnScreen(window_, {size.width() * percent / percent_, size.height() * percent / percent_});
}

int WindowZoom::LargestFitting(int percent) const {
    const auto fitting = std::find_if(ZoomPercents.rbegin(), ZoomPercents.rend(),
                                      [&](int candidate) { return candidate <= percent && Fits(candidate); });
    return fitting == ZoomPercents.rend() ? DefaultZoom : *fitting;
}
