#pragma once
#include <coroutine>
#include <cstdint>
#include <string>

#include "common/atomic_file.h"
#include "display/lcd.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_host.h"
#include "emulator/runtime/emulator_state.h"
#include "freqdb/freq_database.h"
#include "help/help.h"

// One emulated transceiver: the records its firmware works on, as the unit
// keeps them, and what it is connected to (the program's clock and error
// report, the display it draws on, the frequency database, the help pane).
// Every firmware routine takes it as its first argument. GUI thread only.
struct Firmware {
    // settingsPath: the file the settings store reads and writes (e2.dfd).
    Firmware(EmulatorHost& host, Lcd& display, FreqDatabase& db, Help& help, std::string settingsPath)
        : Host(host), Display(display), Db(db), HelpText(help), SettingsPath(std::move(settingsPath)) {}
    Firmware(const Firmware&) = delete;
    Firmware& operator=(const Firmware&) = delete;

    EmulatorStateRecord State;
    EepromSettingsRecord Settings;
    SettingsStoreRecord Store;
    EmulatedHardwareRecord Hardware;
    PanelInputsRecord Inputs;
    // Set to end the emulator run: when a transceiver comes online and when
    // the window closes; cleared before a new run starts. The runner stops the
    // run instead of resuming it while this is set.
    bool StopRequest = false;
    // The innermost coroutine of the chain that suspended last (NextEvent).
    std::coroutine_handle<> Suspended;
    // Host time up to which poll iterations were handed out (poll_clock.h).
    uint64_t PollCountedUpTo = 0;
    // The seams of the settings store's writes of SettingsPath.
    FileWriteSeams WriteSeams;

    EmulatorHost& Host;
    Lcd& Display;
    FreqDatabase& Db;
    Help& HelpText;
    const std::string SettingsPath;
};
