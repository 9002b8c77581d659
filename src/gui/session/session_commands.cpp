#include "gui/session/session_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <sstream>

#include "core/program_core.h"
#include "gui/common/message_box.h"
#include "gui/session/display_image.h"
#include "gui/session/session_file_dialog.h"
#include "session/recording_export.h"

namespace {

QString Text(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

// "1:05" for 65 s.
QString MinutesAndSeconds(uint64_t micros) {
    const uint64_t seconds = micros / 1000000;
    return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

QString FileName(const std::string& path) { return QFileInfo(QFile::decodeName(path.c_str())).fileName(); }

}  // namespace

SessionCommands::SessionCommands(QWidget* window, ProgramCore& core, SessionHooks hooks)
    : window_(window), core_(core), hooks_(std::move(hooks)) {
    if (!hooks_.chooseFile) hooks_.chooseFile = [window](SessionFile kind) { return ChooseSessionFile(window, kind); };
    if (!hooks_.chooseReplay) hooks_.chooseReplay = [window] { return ChooseReplay(window); };
    if (!hooks_.chooseExport)
        hooks_.chooseExport = [window](const std::string& recording) { return ChooseExport(window, recording); };
    if (!hooks_.showMessage) hooks_.showMessage = [window](const QString& text) { ShowPlainMessage(window, text); };
}

SessionCommands::~SessionCommands() {
    // The window is going: a replay cut short here hands the port back to
    // nobody and says nothing.
    windowGoing_ = true;
    hooks_.showMessage = [](const QString&) {};
    player_.Stop();
    core_.StopRecording();
    // An export under way finishes its file; its outcome, posted to this
    // object, goes with it.
    if (exporter_.joinable()) exporter_.join();
}

void SessionCommands::AddMenu(QMenuBar* bar, QAction* before) {
    auto* menu = new QMenu("Se&ssion", bar);
    record_ = menu->addAction("&Record to file...", this,
                              [this] { Ask(SessionFile::NewRecording, &SessionCommands::RecordTo); });
    stop_ = menu->addAction("&Stop recording", this, &SessionCommands::StopRecording);
    replay_ = menu->addAction("Re&play file...", this, &SessionCommands::AskReplay);
    stopReplay_ = menu->addAction("Stop &replay", this, &SessionCommands::StopReplay);
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
    record_->setEnabled(!Writer().Recording());
    stop_->setEnabled(Writer().Recording());
    replay_->setEnabled(!player_.Playing());
    stopReplay_->setEnabled(player_.Playing());
    export_->setEnabled(!Exporting());
}

void SessionCommands::Ask(SessionFile kind, void (SessionCommands::*command)(const std::string&)) {
    if (const auto path = hooks_.chooseFile(kind)) (this->*command)(*path);
}

void SessionCommands::AskReplay() {
    if (const auto choice = hooks_.chooseReplay()) Replay(choice->path, choice->speed);
}

// A failure is reported from the writer's thread: the message is posted to
// this thread and shown once; the link goes on without the recording.
void SessionCommands::RecordTo(const std::string& path) {
    const std::string error = core_.StartRecording(path, [this](const std::string& message) {
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                core_.StopRecording();
                UpdateActions();
                hooks_.showMessage(Text(message) + "\nThe recording has stopped.");
            },
            Qt::QueuedConnection);
    });
    if (error.empty()) recordingPath_ = path;
    if (!error.empty()) hooks_.showMessage(Text(error));
    UpdateActions();
}

void SessionCommands::StopRecording() {
    core_.StopRecording();
    UpdateActions();
}

RecordingWriter& SessionCommands::Writer() { return core_.Recorder; }

void SessionCommands::Replay(const std::string& path, double speed) { Play(path, speed, core_.PortInUse()); }

bool SessionCommands::ReplayAtStart(const std::string& path, double speed) { return Play(path, speed, true); }

// The player only opens the recording here; its first record is fed from the
// event loop, after the port was closed.
bool SessionCommands::Play(const std::string& path, double speed, bool reopenPortAfter) {
    const std::string error = player_.Start(
        path, speed, [this](const uint8_t* bytes, std::size_t count) { core_.FeedReplayed(bytes, count); },
        [this, reopenPortAfter](const std::string& cut) {
            if (reopenPortAfter && !windowGoing_) core_.ReopenPort();
            UpdateActions();
            if (!cut.empty()) hooks_.showMessage(Text(cut) + " Everything before it was replayed.");
        });
    if (!error.empty()) {
        hooks_.showMessage(Text(error));
        return false;
    }
    core_.ClosePort();
    UpdateActions();
    return true;
}

void SessionCommands::StopReplay() { player_.Stop(); }

void SessionCommands::ExportTo(const std::string& recording) {
    if (const auto output = hooks_.chooseExport(recording)) ExportRecording(recording, output->path, output->scale);
}

// The export runs on a worker thread, so that a long GIF does not hold up the
// window. It uses only its own objects and the paths copied to it; what it
// says comes back to this thread as the command line's output would.
void SessionCommands::ExportRecording(const std::string& recording, const std::string& output, int scale) {
    if (Exporting()) return;
    exporter_ = std::thread([this, recording, output, scale] {
        std::ostringstream out;
        std::ostringstream err;
        const bool done = ::ExportRecording(recording, output, scale, WriteDisplayPng, out, err) == ExportDone;
        const QString said = QString::fromLocal8Bit(out.str() + err.str()).trimmed();
        QMetaObject::invokeMethod(
            this, [this, done, said] { ExportFinished(done, said); }, Qt::QueuedConnection);
    });
    UpdateActions();
}

void SessionCommands::ExportFinished(bool done, const QString& said) {
    exporter_.join();
    UpdateActions();
    if (done)
        hooks_.showMessage(said);
    else
        hooks_.showMessage(said.isEmpty() ? QString("The export failed.") : said);
}

void SessionCommands::SaveDisplayAsPng(const std::string& path) {
    const DisplayBitmap display = BitmapOfFrame(core_.Frame);
    if (const std::string error = WriteDisplayPng(display, DefaultExportScale, path); !error.empty())
        hooks_.showMessage(Text(error) + "\n" + QFile::decodeName(path.c_str()));
}

void SessionCommands::CopyDisplay() {
    QApplication::clipboard()->setImage(DisplayImage(BitmapOfFrame(core_.Frame), DefaultExportScale));
}

QString SessionCommands::StatusText() const {
    if (!core_.Recorder.Recording() && !player_.Playing()) return {};
    QStringList parts;
    if (core_.Recorder.Recording()) {
        const qint64 size = QFileInfo(QFile::decodeName(recordingPath_.c_str())).size();
        parts << "REC " + MinutesAndSeconds(core_.Recorder.ElapsedMicroseconds()) + "  " +
                     QLocale::c().formattedDataSize(size, 1, QLocale::DataSizeSIFormat);
    }
    if (player_.Playing())
        parts << "Replaying " + FileName(player_.Path()) + "  " + MinutesAndSeconds(player_.PositionMicros());
    return parts.join("    ");
}
