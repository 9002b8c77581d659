#include "gui/freqdb/frequency_mask_edit.h"

#include <QColor>
#include <QPalette>

#include "freqdb/freq_edit_text.h"

namespace {
constexpr char kBlank = '_';
constexpr Qt::GlobalColor kInvalidText = Qt::red;
}  // namespace

FrequencyMaskEdit::FrequencyMaskEdit(QWidget* parent) : QLineEdit(parent) {
    setInputMask(QString("###.###;") + kBlank);
}

// The displayed text keeps every position; text() would drop the unfilled ones.
std::string FrequencyMaskEdit::Text() const {
    std::string text = displayText().toLatin1().toStdString();
    for (char& c : text)
        if (c == kBlank) c = ' ';
    return text;
}

void FrequencyMaskEdit::SetText(std::string_view text) {
    std::string masked(text);
    for (char& c : masked)
        if (c == ' ') c = kBlank;
    setText(QString::fromLatin1(masked.data(), static_cast<qsizetype>(masked.size())));
}

// A palette holding only the text colour: every other role stays inherited.
void FrequencyMaskEdit::MarkInvalid(bool invalid) {
    QPalette marked;
    if (invalid) marked.setColor(QPalette::Text, kInvalidText);
    setPalette(marked);
    setToolTip(invalid ? Problem() : QString());
}

QString FrequencyMaskEdit::Problem() const {
    const QString band = QString::fromStdString(FreqMhzText(FreqBandLowKHz) + "-" + FreqMhzText(FreqBandHighKHz));
    if (Text().find_first_not_of("0123456789.") != std::string::npos)
        return "Type all six digits of a frequency in the band " + band + " MHz.";
    return "The frequency lies outside the band " + band + " MHz.";
}

bool FrequencyMaskEdit::MarkedInvalid() const { return palette().color(QPalette::Text) == QColor(kInvalidText); }
