#include "gui/common/file_dialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
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

// Qt's own dialog lays its file name and type rows out in a grid.
void FileDialog::AddRow(const QString& caption, QWidget* field) {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid == nullptr) return;
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption, this), row, 0);
    grid->addWidget(field, row, 1);
}

std::optional<std::string> FileDialog::Choose() {
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(selectedFiles().first()).toStdString();
}
