#include "gui/session/session_file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>

namespace {

struct DialogKind {
    const char* title;
    QFileDialog::AcceptMode mode;
    const char* filters;
};

DialogKind KindOf(SessionFile kind) {
    switch (kind) {
        case SessionFile::NewRecording: return {"Record to file", QFileDialog::AcceptSave, "Recordings (*.vhfrec)"};
        case SessionFile::Recording:
            return {"Recording", QFileDialog::AcceptOpen, "Recordings (*.vhfrec);;All files (*)"};
        case SessionFile::ExportOutput:
            return {"Export recording", QFileDialog::AcceptSave,
                    "PNG image of the last display (*.png);;Animated GIF (*.gif);;CSV table of the messages (*.csv)"};
        case SessionFile::DisplayPng: return {"Save display as PNG", QFileDialog::AcceptSave, "PNG image (*.png)"};
    }
    return {"", QFileDialog::AcceptOpen, ""};
}

// "PNG image (*.png)" gives "png".
QString SuffixOf(const QString& filter) {
    const QRegularExpressionMatch match = QRegularExpression(R"(\*\.(\w+))").match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

std::optional<std::string> ChooseSessionFile(QWidget* parent, SessionFile kind) {
    const DialogKind k = KindOf(kind);
    QFileDialog dialog(parent, k.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(k.mode);
    dialog.setFileMode(k.mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(k.filters);
    if (k.mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(SuffixOf(k.filters));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOf(filter)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}
