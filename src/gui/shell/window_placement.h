#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window whose frame is `frame` goes so that it lies wholly inside
// `available`: where it is when it fits there, else moved the least distance
// inside. A window larger than the screen keeps its top-left corner on it, so
// its title bar stays reachable.
QPoint PositionOnScreen(const QRect& frame, const QRect& available);

// Moves the window's frame to `preferred`, or, where it would not fit the
// screen under that point (a small screen, a large scale factor), onto that
// screen.
void PlaceOnScreen(QWidget* window, QPoint preferred);

// Whether the window, at `size` without its frame, fits on its screen, with
// its frame or, before it has one, a title bar.
bool FitsOnScreen(const QWidget* window, QSize size);
