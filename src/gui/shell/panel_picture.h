#pragma once
#include <QImage>
#include <QWidget>

#include "display/lcd_surface.h"

// Image1: the photograph of the front panel. The display primitives paint
// straight into its pixels; the widget shows them at its next repaint, which
// the time base asks for whenever something was drawn.
class PanelPicture : public QWidget, public LcdSurface {
public:
    explicit PanelPicture(QWidget* parent);

    void SetPixel(int x, int y, uint32_t rgb) override;
    void FillRect(int x, int y, int width, int height, uint32_t rgb) override;

    // Repaints when something was drawn since the last call.
    void RepaintIfChanged();
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool changed_ = false;
};
