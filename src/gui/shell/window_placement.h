#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window's frame of `frame`'s size goes so that it lies wholly inside
// `available`, moved as little as possible from `frame`'s place; a frame
// larger than `available` keeps its top left corner inside it.
QPoint PositionInside(const QRect& frame, const QRect& available);

// Moves a top-level window as near to `wanted` (its frame's top left corner)
// as its screen allows: the window with its frame lies wholly on the screen's
// available area whenever it fits there.
void PlaceOnScreen(QWidget* window, QPoint wanted);

// Whether the window, at `size` without its frame, fits on its screen.
bool FitsOnScreen(const QWidget* window, QSize size);
