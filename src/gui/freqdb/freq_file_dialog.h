#pragma once
#include <QFileDialog>
#include <optional>
#include <string>

// The save and open dialogs of the frequency commands: "*.dat" files, "dat"
// added to a name typed without an extension. Saving asks before replacing a
// file and needs an existing folder; opening needs an existing file.
class FreqFileDialog : public QFileDialog {
public:
    FreqFileDialog(QWidget* parent, AcceptMode mode);

    void accept() override;
};

// Shows the dialog, starting at the current database file; the chosen path,
// or nothing when cancelled.
std::optional<std::string> ChooseFreqFile(QWidget* parent, QFileDialog::AcceptMode mode);
