#pragma once
#include <termios.h>

#include <cstdint>

#include "serial/comm_types.h"

// The component's line settings as the terminal interface holds them.
struct LineSettings {
    TBaudRate BaudRate = cbr9600;
    TParity Parity = paNone;
    TStopbits Stopbits = sb10;
    TDatabits Databits = da8;
    TFlowControl FlowControl = fcDefault;
    TCommOptions Options;
    uint8_t XonChar = 17;
    uint8_t XoffChar = 19;
};

uint32_t BitsPerSecond(TBaudRate rate);

struct LineMapping {
    int error = 0;             // 0, or EINVAL for a setting this platform cannot make
    uint32_t customSpeed = 0;  // bits per second still to set outside termios, or 0
};

// Puts the settings into `t`, which holds what the device reported. The line
// is always made raw (no echo, no line editing, no CR/NL mapping, no signals,
// no output processing, receiver on, modem lines not needed to receive), as a
// serial port is to a program that reads binary messages.
LineMapping MapLineSettings(termios& t, const LineSettings& s);

// The interval timeout between two received bytes: 0 (or less) returns at
// once with what is waiting (VMIN 0, VTIME 0); otherwise a read returns when
// the line has been quiet that long after a byte (VMIN 1, VTIME in tenths of a
// second, rounded up, at most 25.5 s).
void MapCharsTimeOut(termios& t, int32_t milliseconds);
