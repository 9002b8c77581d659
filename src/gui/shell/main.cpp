#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "common/instance_lock.h"
#include "common/program_directory.h"
#include "common/settings_location.h"
#include "freqdb/airport_import.h"
#include "freqdb/freq_file_convert.h"
#include "gui/common/message_box.h"
#include "gui/common/window_font.h"
#include "gui/session/display_image.h"
#include "gui/shell/command_line.h"
#include "gui/shell/main_window.h"
#include "session/recording_export.h"
#include "web/live_server.h"
#include "web/share_address.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// Qt ends the program with a core dump when it finds no display; say so
// plainly instead.
bool DisplayReachable() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') return true;
    }
    return false;
}

const char* DisplayName() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(variable); value != nullptr && value[0] != '\0') return value;
    return "";
}

// A display that is named but cannot be opened is a fatal error to Qt, which
// then aborts. While the application connects, its warnings are held back and
// the fatal error becomes one line and status 1.
void ExitOnUnopenedDisplay(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "vhfcom: cannot open the display %s\n", DisplayName());
    std::_Exit(EXIT_FAILURE);
}

// RADIO.INI and e2.dfd beside the executable or in the user's folders.
ProgramFolders ChooseSettingsLocation() {
    ProgramFolders folders;
    folders.program = ProgramDirectoryOf(QCoreApplication::applicationFilePath().toStdString());
    folders.settings = ChooseSettingsFolders(folders.program, VHFCOM_INSTALL_MARKER);
    if (folders.settings.besideProgram) return folders;
    if (const std::string error = CreateSettingsFolders(folders.settings); !error.empty())
        ShowPlainMessage(nullptr,
                         QString("The settings folder could not be created: %1").arg(QString::fromStdString(error)));
    return folders;
}

// --serve: the live view from the start, its address on stdout. A port in
// use or an address that is not this machine's ends the program instead.
bool StartServing(TForm1& form, const StartOptions& start) {
    if (start.servePort == 0) return true;
    if (start.serveKeys) form.Sharing->SetKeyToken(NewKeyToken());
    const ShareEndpoint endpoint{QHostAddress(QString::fromStdString(start.serveAddress)), start.servePort};
    if (const QString error = form.Sharing->Start(endpoint.address, endpoint.port); !error.isEmpty()) {
        Print(stderr, "vhfcom: " + error + "\n");
        return false;
    }
    Print(stdout, ViewerAddress(endpoint, form.Sharing->KeyToken()) + "\n");
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const CommandLine commandLine = ParseCommandLine(ArgumentsOf(argc, argv));
    switch (commandLine.action) {
        case CommandLine::Action::Help: Print(stdout, UsageText()); return EXIT_SUCCESS;
        case CommandLine::Action::Version: Print(stdout, "vhfcom " VHFCOM_VERSION "\n"); return EXIT_SUCCESS;
        case CommandLine::Action::UsageError:
            Print(stderr, "vhfcom: " + commandLine.error + "\n" + UsageText());
            return 2;
        case CommandLine::Action::Convert:
            return ConvertFrequencyFile(commandLine.convertInput, commandLine.convertOutput, std::cerr);
        case CommandLine::Action::Airports:
            return WriteAirportDatabase(commandLine.airportList, commandLine.airportIdents, commandLine.airportOutput,
                                        std::cerr);
        case CommandLine::Action::Export:
            return ExportRecording(commandLine.exportRecording, commandLine.exportOutput, commandLine.exportScale,
                                   WriteDisplayPng, std::cout, std::cerr);
        case CommandLine::Action::Run: break;
    }
    if (!DisplayReachable()) {
        Print(stderr, "vhfcom: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n");
        return EXIT_FAILURE;
    }

    const QtMessageHandler qtMessages = qInstallMessageHandler(ExitOnUnopenedDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
    QApplication::setApplicationName("vhfcom");
    QApplication::setApplicationVersion(VHFCOM_VERSION);
    QGuiApplication::setDesktopFileName("org.vhfcom.VhfCom");
    QApplication::setFont(WindowFont());
    const ProgramFolders folders = ChooseSettingsLocation();

    const InstanceLock lock(folders.settings.config);
    if (!lock.Held() && lock.Error().empty()) {
        ShowPlainMessage(nullptr, QString("vhfcom is already running with the settings in %1. This copy ends without "
                                          "changing them.")
                                      .arg(QString::fromStdString(folders.settings.config)));
        return EXIT_FAILURE;
    }

    TForm1 form1(folders, commandLine.start);
    if (!StartServing(form1, commandLine.start)) return EXIT_FAILURE;
    form1.show();
    return QApplication::exec();
}
