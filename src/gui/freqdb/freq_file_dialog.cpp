#include "gui/freqdb/freq_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "freqdb/freq_database.h"

namespace {

QString StartFile(const FreqFileKind& kind) {
    QString current = QFile::decodeName(CurrentFreqFile.c_str());
    if (!kind.startsAtCurrentStem) return current;
    const QFileInfo info(current);
    return info.dir().filePath(info.completeBaseName() + "." + kind.suffix);
}

}  // namespace

FreqFileDialog::FreqFileDialog(QWidget* parent, AcceptMode mode, const FreqFileKind& kind) : QFileDialog(parent) {
    setOption(DontUseNativeDialog);
    setAcceptMode(mode);
    setFileMode(mode == AcceptSave ? AnyFile : ExistingFile);
    setWindowTitle(mode == AcceptSave ? kind.saveTitle : kind.openTitle);
    setNameFilter(kind.filter);
    setDefaultSuffix(kind.suffix);
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

std::optional<std::string> ChooseFreqFile(QWidget* parent, QFileDialog::AcceptMode mode, const FreqFileKind& kind) {
    FreqFileDialog dialog(parent, mode, kind);
    if (!CurrentFreqFile.empty()) dialog.selectFile(StartFile(kind));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}
