#pragma once
#include <QImage>
#include <QWidget>
#include <cstdint>

#include "display/lcd_frame.h"
#include "gui/shell/lcd_window.h"
#include "gui/shell/zoomable.h"

// Image1: the photograph of the front panel with the display's frame shown
// in its green window, each display pixel a 2 x 2 block of the photograph,
// columns 104 and 105 included. What changed in the frame is put onto the
// zoomed photograph when the time base asks for it (RepaintIfChanged), and
// from there onto the screen through the display's own window (LcdWindow),
// so the widgets are not repainted for it. At a zoom every picture pixel is
// shown as a block of whole screen pixels of its colour, never smoothed, so
// the display's pixels stay sharp squares.
class PanelPicture : public QWidget, public Zoomable {
public:
    PanelPicture(QWidget* parent, LcdFrame& frame);

    void SetZoom(int percent) override;

    // Puts what changed in the frame since the last call onto the shown
    // image and onto the screen at once.
    void RepaintIfChanged();
    // The photograph alone.
    const QImage& Picture() const { return picture_; }
    // The window that shows the display over the photograph.
    LcdWindow& DisplayWindow() const { return *lcd_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Copies picture pixels into the zoomed photograph the widget shows.
    void Show(const QRect& area);
    // The screen pixels showing a rectangle of picture pixels.
    QRect ZoomedRect(const QRect& area) const;
    // Puts the frame's pixels inside `screenArea` onto the shown image.
    void ShowFrame(const QRect& screenArea);
    // The display's window over the frame's part of the shown image.
    void PlaceLcd();

    LcdFrame& frame_;
    QImage picture_;  // picture pixels
    QImage shown_;    // screen pixels of the photograph at the zoom
    int zoom_ = 100;
    uint64_t shownRevision_ = 0;
    LcdWindow* lcd_;
    QWidget* lcdContainer_;
};
