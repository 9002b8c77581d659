#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <memory>

#include "comm/comm.h"
#include "comm/device_link.h"
#include "gui/comm/qt_comm_hand_over.h"
#include "help/help.h"
#include "shell/comms_port_opener.h"
#include "shell/operating_mode.h"
#include "shell/start_options.h"

class FrequencyCommands;
class KeyArea;
class LiveServer;
class PanelKeyboard;
class PanelPicture;
class PortMappingDialog;
class QSocketNotifier;
class PttButton;
class SessionCommands;
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
    explicit TForm1(const StartOptions& options = {});
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
    std::unique_ptr<SessionCommands> Session;        // "Se&ssion" menu: recordings and the display's pictures
    TComm Comm1;                                     // the transceiver's serial port
    QtCommHandOver Comm1HandOver{Comm1};             // delivers Comm1's events on this thread
    CommsPortOpener Ports{Comm1};                    // opens the port chosen as CommsPort
    QSocketNotifier* PortWatch = nullptr;            // the port's device may be back
    OnlineModeListener ModeListener;                 // goes online with the display messages
    DeviceLink Link{ModeListener};                   // frames and draws Comm1's display messages
    TForm15* Form15 = nullptr;                       // serial port dialog
    PortMappingDialog* PortMapping = nullptr;        // "Serial port mapping"
    std::unique_ptr<WindowZoom> Zoom;                // the window's size, "&Zoom" in "&Setup"
    std::unique_ptr<PanelKeyboard> Keyboard;         // the panel keys and PTT from the keyboard
    std::unique_ptr<WindowLiveView> LiveView;        // the display and keys a browser sees
    std::unique_ptr<LiveServer> Sharing;             // serves LiveView to browsers, when asked to
    ShareDisplayDialog* ShareDialog = nullptr;       // "Share display in a &browser..."

protected:
    void closeEvent(QCloseEvent* event) override;
    // Once framed, the window is placed again with its frame's real size.
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls(QWidget* client);
    void BuildMenus();
    SessionHooks SessionHooksOfThisWindow();

    bool placedWithFrame_ = false;
};
