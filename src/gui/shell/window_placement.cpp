#include "gui/shell/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// Before the window manager has framed the window its frame is unknown:
// room for a usual title bar and border is kept instead.
constexpr QMargins kAssumedFrame(8, 32, 8, 8);

QMargins FrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (frame == inner) return kAssumedFrame;
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

QRect AvailableArea(const QWidget* window, QPoint at) {
    const QScreen* screen = QGuiApplication::screenAt(at);
    return (screen ? screen : window->screen())->availableGeometry();
}

}  // namespace

QPoint PositionInside(const QRect& frame, const QRect& available) {
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

void PlaceOnScreen(QWidget* window, QPoint wanted) {
    const QRect frame(wanted, window->size().grownBy(FrameMargins(window)));
    window->move(PositionInside(frame, AvailableArea(window, wanted)));
}

bool FitsOnScreen(const QWidget* window, QSize size) {
    const QSize available = AvailableArea(window, window->pos()).size();
    const QSize framed = size.grownBy(FrameMargins(window));
    return framed.width() <= available.width() && framed.height() <= available.height();
}
