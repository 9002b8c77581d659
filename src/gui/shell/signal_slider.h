#pragma once
#include <QScrollBar>

// ScrollBar1 and ScrollBar2, the vertical sliders of the simulated signals.
// Clicks in the track and Page Up/Page Down move the slider by a tenth of its
// range; Home and End go to the ends. Holding the mouse in the track repeats
// the step until the handle reaches the pointer. The page step stays as it
// is set: in a scroll bar it also sets the handle's length.
class SignalSlider : public QScrollBar {
public:
    explicit SignalSlider(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void StepByATenth(int action);
    bool HandleUnderPointer() const;

    QPoint pointer_;  // where the mouse was last pressed or dragged
};
