#pragma once
#include <QProxyStyle>

// The application's style with the sizes that shape the main window's
// controls (scroll bar width and arrows, the handle's least length, frames,
// button margins) scaled to a zoom, so that the sliders, buttons and help
// pane keep their look when the window is enlarged.
class ZoomedStyle : public QProxyStyle {
public:
    explicit ZoomedStyle(int percent);
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    int percent_;
};
