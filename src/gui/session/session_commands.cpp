#include "gui/session/session_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "gui/common/message_box.h"
#include "gui/session/display_image.h"
#include "gui/session/session_file_dialog.h"
#include "session/recording_export.h"

namespace {

QString Text(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

}  // namespace

SessionCommands::SessionCommands(QWidget* window, SessionHooks hooks) : window_(window), hooks_(std::move(hooks)) {
    if (!hooks_.chooseFile) hooks_.chooseFile = [window](SessionFile kind) { return ChooseSessionFile(window, kind); };
    if (!hooks_.showMessage) hooks_.showMessage = [window](const QString& text) { ShowPlainMessage(window, text); };
    connect(&exporter_, &QProcess::finished, this, &SessionCommands::ExportFinished);
}

SessionCommands::~SessionCommands() {
    player_.Stop();
    writer_.Stop();
    if (exporter_.state() != QProcess::NotRunning) {
        exporter_.kill();
        exporter_.waitForFinished();
    }
}

void SessionCommands::AddMenu(QMenuBar* bar, QAction* before) {
    auto* menu = new QMenu("Se&ssion", bar);
    record_ = menu->addAction("&Record to file...", this,
                              [this] { Ask(SessionFile::NewRecording, &SessionCommands::RecordTo); });
    stop_ = menu->addAction("&Stop recording", this, &SessionCommands::StopRecording);
    replay_ = menu->addAction("Re&play file...", this,
                              [this] { Ask(SessionFile::Recording, &SessionCommands::ReplayAtRealTime); });
    export_ = menu->addAction("&Export recording...", this,
                              [this] { Ask(SessionFile::Recording, &SessionCommands::ExportTo); });
    menu->addAction("Save &display as PNG...", this,
                    [this] { Ask(SessionFile::DisplayPng, &SessionCommands::SaveDisplayAsPng); });
    menu->addAction("&Copy display", QKeySequence::Copy, this, &SessionCommands::CopyDisplay);
    if (hooks_.shareDisplay) menu->addAction("Share display in a &browser...", this, [this] { hooks_.shareDisplay(); });
    bar->insertMenu(before, menu);
    UpdateActions();
}

void SessionCommands::UpdateActions() {
    if (record_ == nullptr) return;
    record_->setEnabled(!writer_.Recording());
    stop_->setEnabled(writer_.Recording());
    replay_->setEnabled(!player_.Playing());
    export_->setEnabled(exporter_.state() == QProcess::NotRunning);
}

void SessionCommands::Ask(SessionFile kind, void (SessionCommands::*command)(const std::string&)) {
    if (const auto path = hooks_.chooseFile(kind)) (this->*command)(*path);
}

// A failure is reported from the writer's thread: the message is posted to
// this thread and shown once; the link goes on without the recording.
void SessionCommands::RecordTo(const std::string& path) {
    writer_.Stop();
    const std::string error = writer_.Start(path, [this](const std::string& message) {
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                writer_.Stop();
                UpdateActions();
                hooks_.showMessage(Text(message) + "\nThe recording has stopped.");
            },
            Qt::QueuedConnection);
    });
    if (!error.empty()) hooks_.showMessage(Text(error));
    UpdateActions();
}

void SessionCommands::StopRecording() {
    writer_.Stop();
    UpdateActions();
}

void SessionCommands::Replay(const std::string& path, double speed) {
    const bool portWasInUse = hooks_.portInUse();
    hooks_.closePort();
    const std::string error = player_.Start(path, speed, hooks_.feedLink, [this, portWasInUse](const std::string& cut) {
        if (portWasInUse) hooks_.reopenPort();
        UpdateActions();
        if (!cut.empty()) hooks_.showMessage(Text(cut) + " Everything before it was replayed.");
    });
    if (!error.empty()) {
        if (portWasInUse) hooks_.reopenPort();
        hooks_.showMessage(Text(error));
    }
    UpdateActions();
}

void SessionCommands::ExportTo(const std::string& recording) {
    if (const auto output = hooks_.chooseFile(SessionFile::ExportOutput)) ExportRecording(recording, *output);
}

// The export runs as `vhfcom --export` in a child process: it has the display
// and link state to itself, and a long GIF does not hold up the window.
void SessionCommands::ExportRecording(const std::string& recording, const std::string& output) {
    exporter_.setProgram(QCoreApplication::applicationFilePath());
    exporter_.setArguments({"--export", QFile::decodeName(recording.c_str()), QFile::decodeName(output.c_str())});
    exporter_.start();
    UpdateActions();
}

void SessionCommands::ExportFinished(int exitCode, QProcess::ExitStatus status) {
    const QString said =
        QString::fromLocal8Bit(exporter_.readAllStandardOutput() + exporter_.readAllStandardError()).trimmed();
    UpdateActions();
    if (status == QProcess::NormalExit && exitCode == 0)
        hooks_.showMessage(said);
    else
        hooks_.showMessage(said.isEmpty() ? QString("The export failed.") : said);
}

void SessionCommands::SaveDisplayAsPng(const std::string& path) {
    const DisplayBitmap display = DisplayBitmapOfPicture(hooks_.panelPicture());
    if (const std::string error = WriteDisplayPng(display, DefaultExportScale, path); !error.empty())
        hooks_.showMessage(Text(error) + "\n" + QFile::decodeName(path.c_str()));
}

void SessionCommands::CopyDisplay() {
    QApplication::clipboard()->setImage(
        DisplayImage(DisplayBitmapOfPicture(hooks_.panelPicture()), DefaultExportScale));
}
