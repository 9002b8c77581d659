#include <QApplication>

#include "common/program_directory.h"
#include "emulator/runtime/emulator_host.h"
#include "gui/common/window_font.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_emulator_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("vhfcom");
    QApplication::setFont(WindowFont());
    SetProgramDirectory(ProgramDirectoryOf(QCoreApplication::applicationFilePath().toStdString()));

    TForm1 form1;
    QtEmulatorHost host(&form1);
    EmulatorAttachHost(&host);
    form1.show();
    const int result = QApplication::exec();
    EmulatorAttachHost(nullptr);
    return result;
}
