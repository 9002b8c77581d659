#pragma once
#include <cstdint>
#include <string>

// What the command line asks of this run of the window.
struct StartOptions {
    // --port: the serial device of this run instead of the COMn setting; not
    // saved. Empty: the COMn setting.
    std::string portDevice;
    // The DATABASE.dat argument: opened at start as Open opens a file, and
    // the current database from then on. Empty: the remembered one.
    std::string database;
    // --record: every byte the serial port receives, from the start of the
    // program until it ends. Empty: no recording.
    std::string recordFile;
    // --replay and --speed: a recording played through the device link at
    // start, its timing divided by the speed (0: as fast as possible).
    std::string replayFile;
    double replaySpeed = 1.0;
    // --serve [ADDRESS:]PORT and --serve-keys: the display served to
    // browsers from the start, with their keys allowed. Port 0: not served.
    std::string serveAddress;
    uint16_t servePort = 0;
    bool serveKeys = false;
};
