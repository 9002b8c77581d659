#include "gui/freqdb/freq_file_dialog.h"

#include <QDir>
#include <QFileInfo>

#include "gui/common/file_dialog.h"

namespace {

QString StartFile(const std::string& currentFile, const FreqFileKind& kind) {
    QString current = QFile::decodeName(currentFile.c_str());
    if (!kind.startsAtCurrentStem) return current;
    const QFileInfo info(current);
    return info.dir().filePath(info.completeBaseName() + "." + kind.suffix);
}

}  // namespace

std::optional<std::string> ChooseFreqFile(QWidget* parent, QFileDialog::AcceptMode mode, const std::string& currentFile,
                                          const FreqFileKind& kind) {
    FileDialog dialog(parent, mode, mode == QFileDialog::AcceptSave ? kind.saveTitle : kind.openTitle, kind.filter);
    if (!currentFile.empty()) dialog.selectFile(StartFile(currentFile, kind));
    return dialog.Choose();
}
