#include "gui/shell/qt_emulator_host.h"

#include <QMessageBox>
#include <chrono>
#include <utility>

uint64_t QtEmulatorHost::NowMicroseconds() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

void QtEmulatorHost::ShowReported() {
    for (const std::string& message : std::exchange(reported_, {}))
        QMessageBox::critical(window_, window_->windowTitle(), QString::fromStdString(message));
}
