#include "gui/freqdb/freq_file_dialog.h"

#include <QFileInfo>
#include <QMessageBox>

#include "freqdb/freq_database.h"

FreqFileDialog::FreqFileDialog(QWidget* parent, AcceptMode mode) : QFileDialog(parent) {
    setOption(DontUseNativeDialog);
    setAcceptMode(mode);
    setFileMode(mode == AcceptSave ? AnyFile : ExistingFile);
    setWindowTitle(mode == AcceptSave ? "Save As" : "Open");
    setNameFilter("Frequency database (*.dat)");
    setDefaultSuffix("dat");
}

// The file dialog itself accepts a name in a folder that does not exist.
void FreqFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (acceptMode() == AcceptSave && !files.isEmpty()) {
        const QFileInfo chosen(files.first());
        if (!chosen.isDir() && !QFileInfo(chosen.absolutePath()).isDir()) {
            QMessageBox::warning(this, windowTitle(), "Path not found\n" + chosen.absolutePath());
            return;
        }
    }
    QFileDialog::accept();
}

std::optional<std::string> ChooseFreqFile(QWidget* parent, QFileDialog::AcceptMode mode) {
    FreqFileDialog dialog(parent, mode);
    if (!CurrentFreqFile.empty()) dialog.selectFile(QFile::decodeName(CurrentFreqFile.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}
