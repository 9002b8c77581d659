#pragma once
#include <QLineEdit>
#include <string>
#include <string_view>

// The masked frequency field: six positions around a fixed point, each taking
// a digit or a sign, unfilled positions shown as "_". It holds the text the
// editor works with: always 7 characters, the point included and unfilled
// positions as blanks; empty it reads "   .   ".
class FrequencyMaskEdit : public QLineEdit {
public:
    explicit FrequencyMaskEdit(QWidget* parent = nullptr);

    std::string Text() const;
    // Takes a 7-character text in the same form; blanks leave positions unfilled.
    void SetText(std::string_view text);

    // Shows the text in red while it is not a frequency the editor stores,
    // with a tooltip that says what is missing: a digit, or a frequency in
    // the band.
    void MarkInvalid(bool invalid);
    bool MarkedInvalid() const;
    // What is wrong with the text, in one sentence that names the band.
    QString Problem() const;
};
