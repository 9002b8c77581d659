#pragma once
#include <QFont>
#include <QRect>
#include <optional>
#include <vector>

class QMainWindow;
class QStyle;
class QWidget;

// The height of the window's menu bar and status line (when it has one).
int BarsHeight(const QMainWindow* window);

// The main window at a zoom. Remembers the layout at 100% when it is made
// (the window's font, the client area's size, and every control's geometry
// and own font) and lays the window out again at any of ZoomPercents: each
// geometry, font and style size scaled, the menus' font too, the window fixed
// at its new size and kept wholly on its screen. Zoomable controls are told
// the zoom.
class WindowZoom {
public:
    explicit WindowZoom(QMainWindow* window);

    void Apply(int percent);
    int Percent() const { return percent_; }

    // Whether the window at `percent` fits on its screen.
    bool Fits(int percent) const;
    // The largest zoom up to `percent` at which the window fits.
    int LargestFitting(int percent) const;

private:
    struct Control {
        QWidget* widget;
        QRect geometry;
        std::optional<QFont> font;  // its own font, else it takes the window's
    };

    QMainWindow* window_;
    QFont font_;
    QSize clientSize_;
    std::vector<Control> controls_;
    int percent_ = 100;
    QStyle* style_ = nullptr;  // the controls' style at the zoom, owned by the client area
};
