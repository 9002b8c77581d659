#include "gui/session/session_file_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QSpinBox>

#include "gui/common/file_dialog.h"

namespace {

struct DialogKind {
    const char* title;
    QFileDialog::AcceptMode mode;
    const char* filters;
};

constexpr const char* kRecordings = "Recordings (*.vhfrec);;All files (*)";
constexpr const char* kExportFilters =
    "PNG image of the last display (*.png);;Animated GIF (*.gif);;CSV table of the messages (*.csv);;"
    "Web page that plays the display (*.html)";

DialogKind KindOf(SessionFile kind) {
    switch (kind) {
        case SessionFile::NewRecording: return {"Record to file", QFileDialog::AcceptSave, "Recordings (*.vhfrec)"};
        case SessionFile::Recording: return {"Recording", QFileDialog::AcceptOpen, kRecordings};
        case SessionFile::DisplayPng: return {"Save display as PNG", QFileDialog::AcceptSave, "PNG image (*.png)"};
    }
    return {"", QFileDialog::AcceptOpen, ""};
}

struct SpeedChoice {
    const char* text;
    double speed;
};

constexpr SpeedChoice kSpeeds[] = {
    {"0.5x", 0.5}, {"1x", 1.0}, {"2x", 2.0}, {"4x", 4.0}, {"As fast as possible", 0.0},
};
constexpr int kRealTime = 1;  // the index of 1x

}  // namespace

std::optional<std::string> ChooseSessionFile(QWidget* parent, SessionFile kind) {
    const DialogKind k = KindOf(kind);
    return FileDialog(parent, k.mode, k.title, k.filters).Choose();
}

std::optional<ReplayChoice> ChooseReplay(QWidget* parent) {
    FileDialog dialog(parent, QFileDialog::AcceptOpen, "Replay file", kRecordings);
    auto* speed = new QComboBox(&dialog);
    for (const SpeedChoice& choice : kSpeeds) speed->addItem(choice.text, choice.speed);
    speed->setCurrentIndex(kRealTime);
    dialog.AddRow("Speed:", speed);
    const std::optional<std::string> path = dialog.Choose();
    if (!path) return std::nullopt;
    return ReplayChoice{*path, speed->currentData().toDouble()};
}

// The output starts as the recording's name with the first filter's extension.
std::optional<ExportChoice> ChooseExport(QWidget* parent, const std::string& recording) {
    FileDialog dialog(parent, QFileDialog::AcceptSave, "Export recording", kExportFilters);
    const QFileInfo source(QFile::decodeName(recording.c_str()));
    dialog.setDirectory(source.absolutePath());
    dialog.selectFile(source.completeBaseName() + ".png");
    auto* scale = new QSpinBox(&dialog);
    scale->setRange(1, MaxExportScale);
    scale->setValue(DefaultExportScale);
    scale->setToolTip("Image pixels per display pixel, each way, of a PNG or GIF");
    dialog.AddRow("Scale:", scale);
    const std::optional<std::string> path = dialog.Choose();
    if (!path) return std::nullopt;
    return ExportChoice{*path, scale->value()};
}
