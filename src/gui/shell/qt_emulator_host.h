#pragma once
#include <QWidget>

#include "emulator/runtime/emulator_host.h"

// Fills the emulator's seams with the GUI event loop and the system clock.
class QtEmulatorHost : public EmulatorHost {
public:
    explicit QtEmulatorHost(QWidget* window) : window_(window) {}
    void ProcessPendingEvents() override;
    uint64_t NowMicroseconds() override;
    void ReportError(const std::string& message) override;

private:
    QWidget* window_;
};
