#pragma once
#include <cstdint>
#include <string>

#include "common/atomic_file.h"
#include "settings/zoom.h"

// The program's own settings, "RADIO.INI" (its folder: ProgramFolders),
// section "Setup": CommsPort (serial port index, 0 is COM1), FreqFilename
// (the frequency database file last used) and Zoom (the main window's size in
// percent, 100 when absent).
struct RadioSettings {
    uint8_t commsPort = 0;
    std::string freqFilename;
    int zoom = DefaultZoom;
};

// A missing file, a missing key or a value that is not a number gives the
// defaults; CommsPort is taken modulo 256, a Zoom not offered gives 100.
RadioSettings ReadRadioIni(const std::string& path);

// Writes CommsPort and FreqFilename, and Zoom unless it is 100 and absent,
// keeping everything else the file holds; the file is replaced atomically.
// An existing file that cannot be read is left as it is rather than replaced
// by one with only these keys, and a file name holding a line break is
// refused. Returns an empty string or the cause of the failure. `seams` are
// the write's test seams.
std::string WriteRadioIni(const std::string& path, const RadioSettings& settings, const FileWriteSeams& seams = {});
