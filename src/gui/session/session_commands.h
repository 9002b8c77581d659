#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "gui/session/replay_player.h"
#include "session/recording_export.h"
#include "session/recording_writer.h"

class ProgramCore;

class QAction;
class QImage;
class QMenuBar;
class QWidget;

// The files the session commands ask for.
enum class SessionFile { NewRecording, Recording, DisplayPng };

// A recording to replay and the speed chosen with it (0: as fast as possible).
struct ReplayChoice {
    std::string path;
    double speed = 1.0;
};

// The file an export writes and its pixels per display pixel.
struct ExportChoice {
    std::string path;
    int scale = DefaultExportScale;
};

// What the commands ask the user, and the window's share dialog. The defaults
// of the `choose` hooks and `showMessage` are the file dialogs and the
// program's message box.
struct SessionHooks {
    std::function<std::optional<std::string>(SessionFile)> chooseFile;
    std::function<std::optional<ReplayChoice>()> chooseReplay;
    // The export's file, suggested from the recording's name.
    std::function<std::optional<ExportChoice>(const std::string& recording)> chooseExport;
    std::function<void(const QString& text)> showMessage;
    std::function<void()> shareDisplay;  // "Share display in a &browser...", when set
};

// The "Se&ssion" menu: recording what the program core's serial port
// receives, replaying a recording through its device link, exporting a
// recording (on a worker thread, so the window goes on), the current display
// as a PNG file or on the clipboard, and sharing it with browsers. The serial
// port is closed during a replay and opened again after it, quietly. GUI
// thread only.
class SessionCommands : public QObject {
public:
    SessionCommands(QWidget* window, ProgramCore& core, SessionHooks hooks);
    ~SessionCommands() override;

    // Adds the menu to the menu bar, before `before`.
    void AddMenu(QMenuBar* bar, QAction* before);

    // Records from now until StopRecording or the end of the program.
    void RecordTo(const std::string& path);
    void StopRecording();
    // Replays at `speed` (1 in real time, 2 twice as fast, 0 as fast as the
    // program can) with the serial port closed meanwhile. The recording is
    // checked first: one that cannot be played is reported and leaves the
    // port alone. Afterwards the port is as it was, quietly.
    void Replay(const std::string& path, double speed);
    // A replay in place of the port at start, which is not open yet: the
    // port opens when the replay ends. False, reported, when the recording
    // cannot be played.
    bool ReplayAtStart(const std::string& path, double speed);
    void StopReplay();
    // Starts the export on its worker thread; its outcome is shown once it
    // has ended. Nothing while an export runs (its menu item is disabled).
    void ExportRecording(const std::string& recording, const std::string& output, int scale = DefaultExportScale);
    bool Exporting() const { return exporter_.joinable(); }
    void SaveDisplayAsPng(const std::string& path);
    void CopyDisplay();

    // The recording the serial port's bytes go to on their way to the link.
    RecordingWriter& Writer();
    bool Replaying() const { return player_.Playing(); }

    // The session as the status line shows it: "REC 1:05  12.3 kB" while
    // recording, "Replaying flight.vhfrec  0:42" while replaying, or nothing.
    QString StatusText() const;

private:
    void UpdateActions();
    void Ask(SessionFile kind, void (SessionCommands::*command)(const std::string&));
    void AskReplay();
    bool Play(const std::string& path, double speed, bool reopenPortAfter);
    void ExportTo(const std::string& output);
    void ExportFinished(bool done, const QString& said);

    QWidget* window_;
    ProgramCore& core_;
    SessionHooks hooks_;
    bool windowGoing_ = false;  // a replay cut short then hands the port back to nobody
    ReplayPlayer player_;
    std::thread exporter_;  // the export running, until its outcome is shown
    QAction* record_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* replay_ = nullptr;
    QAction* stopReplay_ = nullptr;
    QAction* export_ = nullptr;
    std::string recordingPath_;  // the file being recorded
};
