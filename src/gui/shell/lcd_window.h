#pragma once
#include <QBackingStore>
#include <QImage>
#include <QRect>
#include <QWindow>

// The display's part of the panel picture, shown in a window of its own over
// the panel's green window: a change of the display reaches the screen by
// copying its pixels into this window's backing store and flushing that
// rectangle, without a repaint of the window's widgets. It takes no input and
// no focus: clicks fall through to the panel below.
class LcdWindow : public QWindow {
public:
    // `picture` is the panel's zoomed picture with the display on it; this
    // window shows the part of it given to SetArea.
    explicit LcdWindow(const QImage& picture);

    // The picture's pixels this window shows, in the panel's coordinates.
    void SetArea(const QRect& area);
    // Puts the part of `area` (panel coordinates) this window shows on the
    // screen at once.
    void Show(const QRect& area);

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Copies the picture's pixels of `local` (this window's coordinates).
    void CopyPicture(const QRect& local);

    const QImage& picture_;
    QRect area_;
    QBackingStore store_{this};
};
