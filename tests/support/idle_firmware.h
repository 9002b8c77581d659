#pragma once
#include <cstdint>
#include <string>

#include "display/lcd.h"
#include "emulator/runtime/emulator_host.h"
#include "emulator/runtime/firmware.h"
#include "freqdb/freq_database.h"
#include "help/help.h"

// A firmware that is never run, for what only needs one to talk to (the
// operating mode stops it and shows its help): a clock standing at 0, errors
// dropped, a display, database and help of its own, no settings file.
struct IdleFirmware : EmulatorHost {
    uint64_t NowMicroseconds() override { return 0; }
    void ReportError(const std::string&) override {}

    LcdFrame frame;
    Lcd lcd{frame};
    FreqDatabase db;
    Help help;
    Firmware fw{*this, lcd, db, help, ""};
};
