#pragma once
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstdint>
#include <functional>

#include "freqdb/freq_database.h"
#include "gui/freqdb/frequency_mask_edit.h"

// FreqEdit: lists the 100 channels of a database and edits name, type and
// frequency of the selected one. Every change the user types goes straight
// into its table and marks it changed (Dirty); OK and Cancel only close
// the dialog with their result.
class TFreqEdit : public QDialog {
public:
    explicit TFreqEdit(FreqDatabase& db, QWidget* parent = nullptr);

    QListWidget* ListBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;  // name
    QLineEdit* Edit2 = nullptr;  // type
    FrequencyMaskEdit* MaskEdit1 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The record the three fields change; 0 each time the dialog is shown.
    uint16_t SelectedChannel = 0;

    // Asked before the dialog closes while the frequency field is red, whose
    // text is not stored; true lets it close. A question box by default.
    std::function<bool(const QString& question)> AskToLeave;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FormShow();
    void ListBox1Click();
    void Edit1Change();
    void Edit2Change();
    void MaskEdit1Change();
    void FillFields();
    // Puts the record in the table, marks the table changed and rebuilds the
    // line, when it differs from the stored one.
    void Store(const FreqRecord& changed);

    FreqDatabase& db_;
};
