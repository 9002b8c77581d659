#pragma once
#include <QImage>
#include <QWidget>

#include "display/lcd_surface.h"
#include "gui/shell/zoomable.h"

// Image1: the photograph of the front panel. The display primitives paint
// straight into its pixels; the widget shows them at its next repaint, which
// the time base asks for whenever something was drawn. At a zoom every
// picture pixel is shown as a block of whole screen pixels of its colour,
// never smoothed, so the display's pixels stay sharp squares.
class PanelPicture : public QWidget, public LcdSurface, public Zoomable {
public:
    explicit PanelPicture(QWidget* parent);

    void SetPixel(int x, int y, uint32_t rgb) override;
    void FillRect(int x, int y, int width, int height, uint32_t rgb) override;
    void SetZoom(int percent) override;

    // Repaints when something was drawn since the last call.
    void RepaintIfChanged();
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Copies picture pixels into the zoomed image the widget shows.
    void Show(const QRect& area);

    QImage picture_;  // picture pixels
    QImage shown_;    // screen pixels at the zoom
    int zoom_ = 100;
    bool changed_ = false;
};
