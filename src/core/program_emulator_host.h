#pragma once
#include <string>
#include <utility>
#include <vector>

#include "emulator/runtime/emulator_host.h"
#include "link/link_clock.h"

// The emulator's host in the program: the program's clock, and the failures
// the firmware reported kept until it has handed the thread back.
class ProgramEmulatorHost : public EmulatorHost {
public:
    explicit ProgramEmulatorHost(const LinkClock& clock) : clock_(clock) {}
    uint64_t NowMicroseconds() override { return clock_.NowMicroseconds(); }
    void ReportError(const std::string& message) override { reported_.push_back(message); }
    // The failures reported since the last call.
    std::vector<std::string> TakeReported() { return std::exchange(reported_, {}); }

private:
    const LinkClock& clock_;
    std::vector<std::string> reported_;
};
