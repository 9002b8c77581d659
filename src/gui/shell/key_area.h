#pragma once
#include <QWidget>

// A key area (Shape1..Shape6): a transparent rectangle with a one-pixel black
// outline over a key of the panel picture. Pressing sets the key's KeyDown
// bit, releasing clears it; the widget keeps the mouse while a button is
// held, so the release arrives here even when the pointer has left.
class KeyArea : public QWidget {
public:
    KeyArea(QWidget* parent, const QRect& geometry, uint8_t keyBit);
    uint8_t KeyBit() const { return keyBit_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    uint8_t keyBit_;
};
