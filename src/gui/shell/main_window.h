#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <memory>

#include "core/program_core.h"
#include "core/program_view.h"
#include "gui/comm/qt_comm_hand_over.h"
#include "settings/start_options.h"

class FrequencyCommands;
class KeyArea;
class LiveServer;
class ProgramLiveView;
class PanelKeyboard;
class PanelPicture;
class PortMappingDialog;
class QSocketNotifier;
class PttButton;
class SessionCommands;
class StatusLine;
struct SessionHooks;
class ShareDisplayDialog;
class TForm15;
class WindowZoom;

// Form1: the main window with the front panel, the signal sliders, the PTT
// buttons and the help pane, the menus and the timers. It shows the program
// core it owns and forwards its controls, timers and serial events to it.
class TForm1 : public QMainWindow, public ProgramView {
public:
    // RADIO.INI and e2.dfd are in `folders`; a COMn without a mapping is
    // `deviceStem` followed by n - 1.
    explicit TForm1(ProgramFolders folders, const StartOptions& options = {},
                    std::string deviceStem = DefaultDeviceStem);
    ~TForm1() override;

    // ModeView
    void ShowOnlineMode() override;
    void ShowOfflineMode() override;
    void StartEmulatorSoon() override;

    // HelpPane, filled into Memo1
    void Clear() override;
    void AddLine(std::string_view text) override;

    // The core's reports, as message boxes.
    void ReportFirmwareError(const std::string& message) override;
    void ReportProblem(const std::string& message) override;
    void ReportPortNotAvailable(const PortFailure& failure) override;

    // The window's handlers, named after their control and event.
    void FormCreate(const StartOptions& options);
    void FormCloseQuery();
    void Timer1Timer();
    void Timer2Timer();

    PanelPicture* Image1 = nullptr;
    std::array<KeyArea*, 6> Shapes{};  // Shape1..Shape6
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;
    PttButton* Button1 = nullptr;
    PttButton* Button2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QTimer Timer1;                                   // 10 ms one-shot: starts the emulator run
    QTimer Timer2;                                   // 20 ms: the time base
    std::unique_ptr<FrequencyCommands> Frequencies;  // "&Frequencies" menu and FreqEdit
    ProgramCore Core;                                // the display, the emulator, the serial port and link, the mode
    QtCommHandOver Comm1HandOver{Core.Comm1};        // Comm1's events: at the time base's ticks, a backlog at once
    QSocketNotifier* PortWatch = nullptr;            // the port's device may be back
    // Declared after the core, so that it goes first and never calls into
    // the core once it is gone.
    std::unique_ptr<SessionCommands> Session;   // "Se&ssion" menu: recordings and the display's pictures
    TForm15* Form15 = nullptr;                  // serial port dialog
    PortMappingDialog* PortMapping = nullptr;   // "Serial port mapping"
    std::unique_ptr<WindowZoom> Zoom;           // the window's size, "&Zoom" in "&Setup"
    std::unique_ptr<PanelKeyboard> Keyboard;    // the panel keys and PTT from the keyboard
    StatusLine* Status = nullptr;               // below the client area: session, database, messages
    std::unique_ptr<ProgramLiveView> LiveView;  // the display and keys a browser sees
    std::unique_ptr<LiveServer> Sharing;        // serves LiveView to browsers, when asked to
    ShareDisplayDialog* ShareDialog = nullptr;  // "Share display in a &browser..."

protected:
    void closeEvent(QCloseEvent* event) override;
    // Once framed, the window is placed again with its frame's real size.
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void BuildControls(QWidget* client);
    void BuildMenus();
    void PlaceOnceFramed();

    bool placedWithFrame_ = false;
};
