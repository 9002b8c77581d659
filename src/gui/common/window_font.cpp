#include "gui/common/window_font.h"

#include <QStringList>

namespace {
constexpr int kWindowPixelSize = 9;
constexpr int kModeCaptionPixelSize = 12;
}  // namespace

QFont WindowFont() {
    QFont font;
    font.setFamilies(QStringList{"DejaVu Sans", "Liberation Sans", "Arial", "Helvetica"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kWindowPixelSize);
    return font;
}

QFont ModeCaptionFont() {
    QFont font = WindowFont();
    font.setPixelSize(kModeCaptionPixelSize);
    font.setBold(true);
    return font;
}
