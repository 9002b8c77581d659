#include "gui/shell/qt_emulator_host.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <chrono>

void QtEmulatorHost::ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

uint64_t QtEmulatorHost::NowMicroseconds() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

void QtEmulatorHost::ReportError(const std::string& message) {
    QMessageBox::critical(window_, window_->windowTitle(), QString::fromStdString(message));
}
