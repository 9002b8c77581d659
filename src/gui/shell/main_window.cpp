#include "gui/shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QStatusBar>
#include <utility>

#include "core/mode_caption.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_tick.h"
#include "gui/common/message_box.h"
#include "gui/common/window_font.h"
#include "gui/freqdb/airport_import_dialog.h"
#include "gui/freqdb/frequency_commands.h"
#include "gui/session/session_commands.h"
#include "gui/shell/key_area.h"
#include "gui/shell/panel_keyboard.h"
#include "gui/shell/panel_picture.h"
#include "gui/shell/port_mapping_dialog.h"
#include "gui/shell/port_message_box.h"
#include "gui/shell/ptt_button.h"
#include "gui/shell/serial_port_dialog.h"
#include "gui/shell/signal_slider.h"
#include "gui/shell/status_line.h"
#include "gui/shell/text_copy_key.h"
#include "gui/shell/window_placement.h"
#include "gui/shell/window_zoom.h"
#include "gui/shell/zoom_menu.h"
#include "gui/web/share_display_dialog.h"
#include "web/live_server.h"
#include "web/program_live_view.h"
#include "web/share_address.h"

namespace {

constexpr const char* kCaption = "Qor Avionics VHF transceiver  interface";
// The client area below the menu bar; the window's outer size on the
// original platform was 819 x 478 with its frame, caption and menu bar.
constexpr QSize kClientSize(811, 431);
constexpr QPoint kWindowPosition(291, 180);

struct KeyAreaLayout {
    QRect geometry;
    uint8_t bit;
};

// Shape1..Shape6 over the keys of the panel picture, in client coordinates.
constexpr KeyAreaLayout kKeyAreas[] = {
    {{126, 64, 57, 57}, KeyBitMenu},  {{238, 64, 57, 57}, KeyBitActive}, {{299, 128, 57, 57}, KeyBitUp},
    {{300, 206, 57, 57}, KeyBitDown}, {{128, 280, 57, 57}, KeyBitVolSq}, {{240, 279, 57, 57}, KeyBitMhzKhzCh},
};

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QScrollBar* MakeSlider(QWidget* parent, const QRect& geometry) {
    auto* slider = new SignalSlider(parent);
    slider->setGeometry(geometry);
    slider->setRange(0, SliderMaximum);
    slider->setPageStep(0);
    slider->setValue(SliderMaximum);
    slider->setCursor(Qt::PointingHandCursor);
    return slider;
}

// Menu items that are shown and enabled and do nothing when chosen.
void AddInertActions(QMenu* menu, std::initializer_list<const char*> captions) {
    for (const char* caption : captions) menu->addAction(caption);
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* w : widgets) w->setEnabled(enabled);
}

}  // namespace

TForm1::TForm1(ProgramFolders folders, const StartOptions& options, std::string deviceStem)
    : Core(*this, std::move(folders), std::move(deviceStem)) {
    setWindowTitle(kCaption);
    setFont(WindowFont());

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    BuildControls(client);
    Zoom = std::make_unique<WindowZoom>(this);
    Keyboard = std::make_unique<PanelKeyboard>(this, Core, Shapes, Button1, Button2);
    Form15 = new TForm15(this, Core.Ports);
    LiveView = std::make_unique<ProgramLiveView>(Core);
    Sharing = std::make_unique<LiveServer>(*LiveView, *LiveView);
    ShareDialog = new ShareDisplayDialog(this, *Sharing, DefaultSharePort);
    SessionHooks sessionHooks;
    sessionHooks.shareDisplay = [this] { ShareDialog->exec(); };
    Session = std::make_unique<SessionCommands>(this, Core, std::move(sessionHooks));
    PortMapping = new PortMappingDialog(this, Core.Ports);
    Status = new StatusLine(
        statusBar(), [this] { return Session->StatusText(); }, Core.FreqDb);
    BuildMenus();  // creates FreqEdit with the frequency commands
    setFixedSize(kClientSize.width(), kClientSize.height() + BarsHeight(this));
    // A fixed size: close and minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    PlaceOnScreen(this, kWindowPosition);

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2.setTimerType(Qt::PreciseTimer);
    Timer2.setInterval(20);
    connect(&Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    PortWatch = new QSocketNotifier(Core.WatchDescriptor(), QSocketNotifier::Read, this);
    connect(PortWatch, &QSocketNotifier::activated, this, [this] { Core.ServeWatch(); });

    connect(ScrollBar1, &QScrollBar::valueChanged, this,
            [this](int value) { Core.SetActiveSlider(static_cast<uint16_t>(value)); });
    connect(ScrollBar2, &QScrollBar::valueChanged, this,
            [this](int value) { Core.SetStandbySlider(static_cast<uint16_t>(value)); });

    Timer2.start();                        // the time base runs from the window's creation on
    Comm1HandOver.SetServedAtTicks(true);  // the core's tick serves Comm1
    FormCreate(options);
}

TForm1::~TForm1() { Sharing->Stop(); }

void TForm1::BuildControls(QWidget* client) {
    Image1 = new PanelPicture(client, Core.Frame);
    Image1->move(16, 16);
    for (std::size_t i = 0; i < Shapes.size(); ++i)
        Shapes[i] = new KeyArea(client, Core, kKeyAreas[i].geometry, kKeyAreas[i].bit);

    Label1 = MakeLabel(client, OfflineCaption, {8, 0, 409, 16}, false);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(ModeCaptionFont());
    Label2 = MakeLabel(client, "Simulate RX signal active", {416, 16, 65, 33}, true);
    Label3 = MakeLabel(client, "Simulate RX signal standby", {496, 16, 73, 33}, true);
    Label4 =
        MakeLabel(client, "This program is under construction and not yet fully functional", {64, 408, 288, 13}, false);

    ScrollBar1 = MakeSlider(client, {440, 56, 17, 121});
    ScrollBar2 = MakeSlider(client, {520, 56, 17, 121});
    Button1 = new PttButton(client, Core, Ptt::Pilot, "PTT Pilot", {456, 200, 65, 49});
    Button2 = new PttButton(client, Core, Ptt::Pax, "PTT PAX", {456, 264, 65, 49});

    Memo1 = new QPlainTextEdit(client);
    Memo1->setGeometry(576, 8, 225, 409);
    // Read-only, but its text can be selected and copied; Tab moves on.
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setTabChangesFocus(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    KeepCopyKeyInText(Memo1);

    for (QWidget* w : std::initializer_list<QWidget*>{ScrollBar1, ScrollBar2, Button1, Button2, Memo1})
        w->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(ScrollBar1, ScrollBar2);
    setTabOrder(ScrollBar2, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Memo1);
}

void TForm1::BuildMenus() {
    QMenu* setup = menuBar()->addMenu("&Setup");
    connect(setup->addAction("&Serial communications port"), &QAction::triggered, this, [this] { Form15->exec(); });
    connect(setup->addAction("Serial port &mapping..."), &QAction::triggered, this, [this] { PortMapping->exec(); });
    AddZoomMenu(setup, *Zoom);

    QMenu* frequencies = menuBar()->addMenu("&Frequencies");
    FrequencyCommandHooks hooks;
    hooks.showStatus = [this](const std::string& done) { Status->ShowMessage(QString::fromStdString(done)); };
    Frequencies = std::make_unique<FrequencyCommands>(this, Core.FreqDb, std::move(hooks));
    frequencies->addAction("&Edit", this, [this] { Frequencies->Edit(); });
    frequencies->addAction("&New", QKeySequence::New, this, [this] { Frequencies->New(); });
    frequencies->addAction("&Open...", QKeySequence::Open, this, [this] { Frequencies->Open(); });
    frequencies->addAction("&Save", QKeySequence::Save, this, [this] { Frequencies->Save(); });
    frequencies->addAction("Save &as...", QKeySequence("Ctrl+Shift+S"), this, [this] { Frequencies->SaveAs(); });
    frequencies->addAction("&Import CSV...", this, [this] { Frequencies->ImportCsv(); });
    frequencies->addAction("E&xport CSV...", this, [this] { Frequencies->ExportCsv(); });
    frequencies->addAction("Import &airport frequencies...", this,
                           [this] { ImportAirportFrequencies(this, *Frequencies); });
    frequencies->addSeparator();
    AddInertActions(frequencies, {"&Upload to device", "&Download from device"});

    QMenu* technical = menuBar()->addMenu("&Technical");
    AddInertActions(technical, {"&TX power vs. frequency", "&RX level scan", "&CPU frequency vs. RX frequency shift"});
    technical->addSeparator();
    AddInertActions(technical, {"&Update device software to this version"});

    QAction* exit = menuBar()->addAction("&Exit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    Session->AddMenu(menuBar(), exit);
}

// Settings first, then the frequency database, then the emulator 10 ms on.
void TForm1::FormCreate(const StartOptions& options) {
    const RadioSettings settings = Core.LoadSettings();
    Zoom->Apply(Zoom->LargestFitting(settings.zoom));
    Frequencies->LoadRememberedFile();
    if (!options.database.empty()) Frequencies->OpenFile(options.database);
    Core.UseDeviceOnce(options.portDevice);
    // A replay given at start takes the port's place until it ends.
    Core.ConnectAtStart(!options.replayFile.empty() && Session->ReplayAtStart(options.replayFile, options.replaySpeed));
    if (!options.recordFile.empty()) Session->RecordTo(options.recordFile);
    Timer1.start();
}

void TForm1::FormCloseQuery() { Core.Close(Zoom->Percent()); }

// Cancelled over unsaved frequencies, the window stays open and nothing stops.
void TForm1::closeEvent(QCloseEvent* event) {
    if (!Frequencies->SaveOrDiscardChanges()) {
        event->ignore();
        return;
    }
    FormCloseQuery();
    event->accept();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    PlaceOnceFramed();
}

// The window manager may frame the window only after it was shown; the
// frame's arrival moves the window.
void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    PlaceOnceFramed();
}

// Placed again once its frame's real size is known, so that the frame, title
// bar included, lies on the screen too.
void TForm1::PlaceOnceFramed() {
    if (placedWithFrame_ || !isVisible() || frameGeometry().size() == size()) return;
    placedWithFrame_ = true;
    PlaceOnScreen(this, pos());
}

void TForm1::Timer1Timer() {
    Timer1.stop();
    Core.StartEmulator();
}

void TForm1::Timer2Timer() {
    Core.Tick();
    Image1->RepaintIfChanged();
    Status->Tick();
}

// Both sliders' captions grey with their sliders.
void TForm1::ShowOnlineMode() {
    Label1->setText(OnlineCaption);
    SetEnabled({ScrollBar1, ScrollBar2, Button1, Button2, Label1, Label2, Label3}, false);
}

void TForm1::ShowOfflineMode() {
    Label1->setText(OfflineCaption);
    SetEnabled({ScrollBar1, ScrollBar2, Button1, Button2, Label1, Label2, Label3}, true);
}

void TForm1::StartEmulatorSoon() { Timer1.start(); }

void TForm1::Clear() { Memo1->clear(); }

void TForm1::AddLine(std::string_view text) {
    Memo1->appendPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void TForm1::ReportFirmwareError(const std::string& message) {
    QMessageBox::critical(this, windowTitle(), QString::fromStdString(message));
}

void TForm1::ReportProblem(const std::string& message) { ShowPlainMessage(this, QString::fromStdString(message)); }

// The message box stands over whatever is modal then: the serial port dialog
// when the choice came from there.
void TForm1::ReportPortNotAvailable(const PortFailure& failure) {
    QWidget* modal = QApplication::activeModalWidget();
    ShowPortNotAvailable(modal ? modal : this, failure);
}
