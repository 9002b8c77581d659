#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "emulator/runtime/emulator_host.h"

// Fills the emulator's seams with the system clock and message boxes. A
// failure reported while the firmware runs is kept until the firmware has
// handed the thread back: ShowReported then shows it from the window's own
// event handling, never from inside the firmware.
class QtEmulatorHost : public EmulatorHost {
public:
    explicit QtEmulatorHost(QWidget* window) : window_(window) {}
    uint64_t NowMicroseconds() override;
    void ReportError(const std::string& message) override { reported_.push_back(message); }
    // Shows the failures reported since the last call, one box each.
    void ShowReported();

private:
    QWidget* window_;
    std::vector<std::string> reported_;
};
