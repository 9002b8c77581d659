#include "gui/shell/zoomed_style.h"

#include <algorithm>

#include "settings/zoom.h"

namespace {

constexpr QStyle::PixelMetric kScaledMetrics[] = {
    QStyle::PM_ScrollBarExtent,   QStyle::PM_ScrollBarSliderMin,    QStyle::PM_DefaultFrameWidth,
    QStyle::PM_ButtonMargin,      QStyle::PM_ButtonShiftHorizontal, QStyle::PM_ButtonShiftVertical,
    QStyle::PM_FocusFrameHMargin, QStyle::PM_FocusFrameVMargin,
};

}  // namespace

ZoomedStyle::ZoomedStyle(int percent) : percent_(percent) {}

int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    const bool scaled = std::ranges::find(kScaledMetrics, metric) != std::end(kScaledMetrics);
    return scaled && size > 0 ? Zoomed(size, percent_) : size;
}
