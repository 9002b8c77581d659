#pragma once
#include <QFileDialog>
#include <optional>
#include <string>

// The files a dialog offers: its filter, the extension its files have, the
// dialog's titles, and whether it starts at the current
// database file itself or at its name with the dialog's own extension.
struct FreqFileKind {
    const char* filter;
    const char* suffix;
    const char* saveTitle;
    const char* openTitle;
    bool startsAtCurrentStem;
};

inline constexpr FreqFileKind DatFiles{"Frequency database (*.dat)", "dat", "Save As", "Open", false};
inline constexpr FreqFileKind CsvFiles{"Comma-separated values (*.csv)", "csv", "Export CSV", "Import CSV", true};

// The save and open dialogs of the frequency commands (gui/common/
// file_dialog.h), starting at the current database file; the chosen path, or
// nothing when cancelled.
std::optional<std::string> ChooseFreqFile(QWidget* parent, QFileDialog::AcceptMode mode, const std::string& currentFile,
                                          const FreqFileKind& kind = DatFiles);
