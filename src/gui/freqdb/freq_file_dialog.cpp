#include "gui/freqdb/freq_file_dialog.h"

#include <QDir>
#include <QFileInfo>

#include "freqdb/freq_database.h"
#include "gui/common/file_dialog.h"

namespace {

QString StartFile(const FreqFileKind& kind) {
    QString current = QFile::decodeName(CurrentFreqFile.c_str());
    if (!kind.startsAtCurrentStem) return current;
    const QFileInfo info(current);
    return info.dir().filePath(info.completeBaseName() + "." + kind.suffix);
}

}  // namespace

std::optional<std::string> ChooseFreqFile(QWidget* parent, QFileDialog::AcceptMode mode, const FreqFileKind& kind) {
    FileDialog dialog(parent, mode, mode == QFileDialog::AcceptSave ? kind.saveTitle : kind.openTitle, kind.filter);
    if (!CurrentFreqFile.empty()) dialog.selectFile(StartFile(kind));
    return dialog.Choose();
}
