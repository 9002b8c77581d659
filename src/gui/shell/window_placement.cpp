#include "gui/shell/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

QPoint PositionOnScreen(const QRect& frame, const QRect& available) {
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

void PlaceOnScreen(QWidget* window, QPoint preferred) {
    const QScreen* screen = QGuiApplication::screenAt(preferred);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        window->move(preferred);
        return;
    }
    // A window's position is that of its frame, whose size is known once the
    // window manager has framed it; before, the frame is the window itself.
    const QRect wanted(preferred, window->frameGeometry().size());
    window->move(PositionOnScreen(wanted, screen->availableGeometry()));
}

namespace {

// Before the window manager has framed the window its frame is unknown: a
// title bar of the style's height stands in for it.
QSize FrameSize(const QWidget* window) {
    const QSize frame = window->frameGeometry().size() - window->size();
    if (!frame.isNull()) return frame;
    return {0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window)};
}

}  // namespace

bool FitsOnScreen(const QWidget* window, QSize size) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) return true;
    const QSize frame = FrameSize(window);
    const QSize available = screen->availableGeometry().size();
    return size.width() + frame.width() <= available.width() && size.height() + frame.height() <= available.height();
}
