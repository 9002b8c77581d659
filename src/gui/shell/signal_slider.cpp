#include "gui/shell/signal_slider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

SignalSlider::SignalSlider(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    // Emitted after the action moved the slider (by the page step) and before
    // the value follows, so the position set here is the one taken.
    connect(this, &QAbstractSlider::actionTriggered, this, &SignalSlider::StepByATenth);
}

void SignalSlider::mousePressEvent(QMouseEvent* event) {
    pointer_ = event->position().toPoint();
    QScrollBar::mousePressEvent(event);
}

void SignalSlider::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position().toPoint();
    QScrollBar::mouseMoveEvent(event);
}

void SignalSlider::StepByATenth(int action) {
    if (action != SliderPageStepAdd && action != SliderPageStepSub) return;
    const int tenth = (maximum() - minimum()) / 10;
    setSliderPosition(value() + (action == SliderPageStepAdd ? tenth : -tenth));
    if (HandleUnderPointer()) setRepeatAction(SliderNoAction);
}

bool SignalSlider::HandleUnderPointer() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this).contains(pointer_);
}
