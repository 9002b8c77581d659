#pragma once
#include <QWidget>

#include "emulator/hardware/panel_inputs.h"
#include "gui/shell/zoomable.h"

// A key area (Shape1..Shape6): a transparent rectangle with a black outline
// (one pixel at 100%) over a key of the panel picture. Pressing sets the key's
// KeyDown bit in the panel inputs, releasing clears it, each followed by PanelInputsChanged; the
// widget keeps the mouse while a button is held, so the release arrives here
// even when the pointer has left.
class KeyArea : public QWidget, public Zoomable {
public:
    KeyArea(QWidget* parent, const QRect& geometry, uint8_t keyBit, PanelInputsRecord& inputs);
    uint8_t KeyBit() const { return keyBit_; }
    void SetZoom(int percent) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    uint8_t keyBit_;
    PanelInputsRecord& inputs_;
    int outline_ = 1;  // pixels
};
