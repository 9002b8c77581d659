#pragma once
#include <QDialog>
#include <string>

#include "freqdb/airport_frequencies.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;
class FrequencyCommands;

// Frequencies -> "Import &airport frequencies...": the user picks a list of
// airport frequencies and types the idents of the airports; the dialog shows
// the channels they give (channel, frequency, name, type) and the rows it
// skipped with their reasons, as the user types. OK puts the channels into
// the database's table from the start channel on, keeping the channels before it; the
// channels after the last one filled are cleared.
class AirportImportDialog : public QDialog {
public:
    AirportImportDialog(FreqDatabase& db, QWidget* parent);

    // Reads the list file (the selection is refreshed); a file that cannot
    // be read or used shows why below the skipped rows.
    void SetListFile(const QString& path);

    // Places the channels shown; the dialog stays open when there are none
    // or they do not fit.
    void accept() override;

    QLineEdit* ListFile = nullptr;
    QLineEdit* Idents = nullptr;
    QSpinBox* StartChannel = nullptr;
    QTableWidget* Preview = nullptr;
    QPlainTextEdit* Skipped = nullptr;
    QLabel* Summary = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void BuildControls();
    void ChooseListFile();
    void Refresh();
    void ShowPreview();
    void ShowSkipped();
    // What the user has to know about the channels: how many, where they go,
    // whether they fit.
    QString SummaryText() const;
    bool Fits() const;

    FreqDatabase& db_;
    std::string listText_;
    std::string listError_;  // why the list file cannot be read
    bool listRead_ = false;
    AirportSelection selection_;
};

// Asks about unsaved changes as Import CSV does, then shows the dialog.
void ImportAirportFrequencies(QWidget* window, FrequencyCommands& commands);
