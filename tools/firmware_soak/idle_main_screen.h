#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "display/lcd.h"
#include "emulator/runtime/emulator_host.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/firmware_runner.h"
#include "firmware_soak/soak_folder.h"
#include "freqdb/freq_database.h"
#include "help/help.h"

// The emulated firmware left alone on its offline main screen, as the program
// runs it when nobody touches the panel: a host on a scripted clock that
// delivers the 20 ms ticks one by one, both signal sliders at no signal, and
// a unit of its own with its settings file in a temporary folder.
class IdleMainScreen : public EmulatorHost {
public:
    static constexpr uint64_t TickMicroseconds = 20000;

    // Starts the run and ticks it through the splash onto the main screen.
    IdleMainScreen();
    ~IdleMainScreen() override;
    IdleMainScreen(const IdleMainScreen&) = delete;
    IdleMainScreen& operator=(const IdleMainScreen&) = delete;

    // One tick of the time base, then the firmware runs to its next wait.
    void Tick();

    uint64_t NowMicroseconds() override { return now_; }
    void ReportError(const std::string& message) override { errors_.push_back(message); }

    const LcdFrame& Frame() const { return frame_; }
    const std::vector<std::string>& Errors() const { return errors_; }

private:
    SoakFolder folder_;
    LcdFrame frame_;
    Lcd lcd_{frame_};
    FreqDatabase db_;
    Help help_;
    Firmware fw_{*this, lcd_, db_, help_, folder_.Path() + "e2.dfd"};
    FirmwareRunner runner_{fw_};
    uint64_t now_ = 0;
    std::vector<std::string> errors_;
};
