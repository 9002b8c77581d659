#include "gui/shell/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
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
