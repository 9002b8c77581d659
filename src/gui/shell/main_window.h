#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <memory>

#include "common/program_directory.h"
#include "display/lcd.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/firmware_runner.h"
#include "freqdb/freq_database.h"
#include "gui/comm/qt_comm_hand_over.h"
#include "gui/shell/qt_emulator_host.h"
#include "help/help.h"
#include "link/device_link.h"
#include "modes/operating_mode.h"
#include "ports/comms_port_opener.h"
#include "serial/comm.h"
#include "settings/start_options.h"

class FrequencyCommands;
class KeyArea;
class LiveServer;
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
class WindowLiveView;
class WindowZoom;

// Form1: the main window with the front panel, the signal sliders, the PTT
// buttons and the help pane, the menus, the 20 ms time base and the switch
// between offline and online mode.
class TForm1 : public QMainWindow, public ModeView, public HelpPane {
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

    // The window's handlers, named after their control and event.
    void FormCreate(const StartOptions& options);
    void FormCloseQuery();
    void Timer1Timer();
    void Timer2Timer();
    void Comm1RxChar(TCustomComm* Sender, int32_t Count);
    // Resumes the emulator after an event it may act on; stops it instead
    // once the firmware's StopRequest is set.
    void ResumeEmulator();

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
    FreqDatabase FreqDb;                             // the channels the editor and the emulator use
    Help HelpText{this};                             // the help topic shown in Memo1
    std::unique_ptr<FrequencyCommands> Frequencies;  // "&Frequencies" menu and FreqEdit
    const ProgramFolders Folders;                    // where the settings files are
    TComm Comm1;                                     // the transceiver's serial port
    QtCommHandOver Comm1HandOver{Comm1};             // delivers Comm1's events on this thread
    CommsPortOpener Ports;                           // opens the port chosen, kept as CommsPort
    QSocketNotifier* PortWatch = nullptr;            // the port's device may be back
    LcdFrame Frame;                                  // the display's pixels, shown by Image1
    Lcd Display{Frame};                              // draws on it: the emulator and the link
    QtEmulatorHost EmulatorHostOfWindow{this};       // the emulator's clock and error boxes
    Firmware Emulator{EmulatorHostOfWindow, Display, FreqDb, HelpText, Folders.FirmwareSettingsPath()};  // the emulated unit
    OnlineModeListener ModeListener{Emulator};  // goes online with the display messages
    DeviceLink Link{Display, ModeListener};     // frames and draws Comm1's display messages
    FirmwareRunner Runner{Emulator};            // the emulator run, resumed by Timer2 and the inputs
    // Declared after what its hooks use (the port, its opener, the link, the
    // frame and the runner), so that it goes first and never calls into them
    // once they are gone.
    std::unique_ptr<SessionCommands> Session;   // "Se&ssion" menu: recordings and the display's pictures
    TForm15* Form15 = nullptr;                  // serial port dialog
    PortMappingDialog* PortMapping = nullptr;   // "Serial port mapping"
    std::unique_ptr<WindowZoom> Zoom;           // the window's size, "&Zoom" in "&Setup"
    std::unique_ptr<PanelKeyboard> Keyboard;    // the panel keys and PTT from the keyboard
    StatusLine* Status = nullptr;               // below the client area: session, database, messages
    std::unique_ptr<WindowLiveView> LiveView;   // the display and keys a browser sees
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
    SessionHooks SessionHooksOfThisWindow();
    void PlaceOnceFramed();
    void FeedLink(const uint8_t* bytes, std::size_t count);
    void EndRunIfStopped();
    void AfterEmulatorStep();

    bool placedWithFrame_ = false;
};
