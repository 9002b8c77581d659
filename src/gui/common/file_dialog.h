#pragma once
#include <QFileDialog>
#include <optional>
#include <string>

// The program's file dialogs: Qt's own, the same on every desktop. A name
// typed without an extension gets the one of the chosen filter. Saving asks
// before replacing a file and needs an existing folder; opening needs an
// existing file.
class FileDialog : public QFileDialog {
public:
    // `filters` as QFileDialog takes them, "Name (*.ext);;Other (*.x)".
    FileDialog(QWidget* parent, AcceptMode mode, const QString& title, const QString& filters);

    void accept() override;

    // Adds a row below the file name and type: a caption and a field of the
    // caller's (a speed, a scale) that the dialog shows with its own.
    void AddRow(const QString& caption, QWidget* field);

    // Shows the dialog modally: the chosen path in the file system's
    // encoding, or nothing when cancelled.
    std::optional<std::string> Choose();
};
