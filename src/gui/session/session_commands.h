#pragma once
#include <QObject>
#include <QProcess>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "gui/session/replay_player.h"
#include "session/recording_writer.h"

class QAction;
class QImage;
class QMenuBar;
class QWidget;

// The files the session commands ask for.
enum class SessionFile { NewRecording, Recording, ExportOutput, DisplayPng };

// What the commands need of the window: its serial port, its device link and
// its panel picture. The defaults of `chooseFile` and `showMessage` are the
// file dialogs and the program's message box.
struct SessionHooks {
    std::function<std::optional<std::string>(SessionFile)> chooseFile;
    std::function<void(const QString& text)> showMessage;
    std::function<void()> closePort;   // before a replay
    std::function<void()> reopenPort;  // after it, when it was in use before
    std::function<bool()> portInUse;   // open, or waiting for its device
    std::function<void(const uint8_t* bytes, std::size_t count)> feedLink;
    std::function<const QImage&()> panelPicture;
    std::function<void()> shareDisplay;  // "Share display in a &browser...", when set
};

// The "Se&ssion" menu: recording what the serial port receives, replaying a
// recording through the device link, exporting a recording (in a child
// process, so the window goes on), the current display as a PNG file or on
// the clipboard, and sharing it with browsers. GUI thread only.
class SessionCommands : public QObject {
public:
    SessionCommands(QWidget* window, SessionHooks hooks);
    ~SessionCommands() override;

    // Adds the menu to the menu bar, before `before`.
    void AddMenu(QMenuBar* bar, QAction* before);

    // Records from now until StopRecording or the end of the program.
    void RecordTo(const std::string& path);
    void StopRecording();
    // Replays at `speed` (1 in real time, 2 twice as fast, 0 as fast as the
    // program can) with the serial port closed meanwhile.
    void Replay(const std::string& path, double speed);
    void ExportRecording(const std::string& recording, const std::string& output);
    void SaveDisplayAsPng(const std::string& path);
    void CopyDisplay();

    // The recording the serial port's bytes go to on their way to the link.
    RecordingWriter& Writer() { return writer_; }
    bool Replaying() const { return player_.Playing(); }

private:
    void UpdateActions();
    void Ask(SessionFile kind, void (SessionCommands::*command)(const std::string&));
    void ReplayAtRealTime(const std::string& path) { Replay(path, 1.0); }
    void ExportTo(const std::string& output);
    void ExportFinished(int exitCode, QProcess::ExitStatus status);

    QWidget* window_;
    SessionHooks hooks_;
    RecordingWriter writer_;
    ReplayPlayer player_;
    QProcess exporter_;
    QAction* record_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* replay_ = nullptr;
    QAction* export_ = nullptr;
};
