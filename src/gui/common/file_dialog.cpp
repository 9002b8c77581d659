#include "gui/common/file_dialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// "PNG image (*.png)" gives "png".
QString SuffixOf(const QString& filter) {
    const QRegularExpressionMatch match = QRegularExpression(R"(\*\.(\w+))").match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

FileDialog::FileDialog(QWidget* parent, AcceptMode mode, const QString& title, const QString& filters)
    : QFileDialog(parent, title) {
    setOption(DontUseNativeDialog);
    setAcceptMode(mode);
    setFileMode(mode == AcceptSave ? AnyFile : ExistingFile);
    setNameFilter(filters);
    setDefaultSuffix(SuffixOf(filters));
    connect(this, &QFileDialog::filterSelected, this,
            [this](const QString& filter) { setDefaultSuffix(SuffixOf(filter)); });
}

// The file dialog itself accepts a name in a folder that does not exist.
void FileDialog::accept() {
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

std::optional<std::string> FileDialog::Choose() {
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(selectedFiles().first()).toStdString();
}
