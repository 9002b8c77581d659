#pragma once
#include <QWidget>

#include "gui/shell/zoomable.h"

class ProgramCore;

// A key area (Shape1..Shape6): a transparent rectangle with a black outline
// (one pixel at 100%) over a key of the panel picture. Pressing sets the key's
// KeyDown bit, releasing clears it, each through the program core; the widget
// keeps the mouse while a button is held, so the release arrives here
// even when the pointer has left.
class KeyArea : public QWidget, public Zoomable {
public:
    KeyArea(QWidget* parent, ProgramCore& core, const QRect& geometry, uint8_t keyBit);
    uint8_t KeyBit() const { return keyBit_; }
    void SetZoom(int percent) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ProgramCore& core_;
    uint8_t keyBit_;
    int outline_ = 1;  // pixels
};
