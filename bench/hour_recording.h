#pragma once
#include <string>

// A one-hour recording of the line at its full rate, written once per run
// into a temporary folder that goes with the program.
//
// 9600 bit/s 8-N-1 is 960 bytes a second, 3,456,000 bytes in the hour,
// 78,545 display messages of 44 bytes back to back. They follow the
// simulator's demo (modes, squelch, tuning, transmitting, channels) with the
// received level moving on every message, and arrive in reads of 1 to 16
// bytes timed to the line's pace, as an event-driven port delivers them.
struct HourRecording {
    static constexpr long Messages = 78545;

    std::string folder;
    std::string path;  // folder + "/hour.vhfrec"
};

const HourRecording& TheHourRecording();
