#pragma once
#include <string>
#include <vector>

#include "ports/port_names.h"

// The [Ports] section of RADIO.INI as the user edits it: which device each of
// the ports COM1..COM16 stands for (see port_names.h).

struct PortDevice {
    std::string path;     // the device COMn opens
    bool mapped = false;  // given in [Ports]; otherwise the default /dev/ttyS<n-1>
};

// The devices of COM1..COM<count>, from one reading of `naming`'s RADIO.INI.
std::vector<PortDevice> PortDevices(int count, const PortNaming& naming);

// Maps COM<portNumber> to `device` in `naming`'s RADIO.INI at once, keeping everything
// else the file holds (replaced atomically); an empty `device` removes the
// mapping, so the port is /dev/ttyS<n-1> again. A path that does not begin
// with "/" or holds a line break is refused, and so is a file that exists but
// cannot be read. Returns an empty string or the cause of the failure, naming
// the file when it is the file's.
std::string SetPortMapping(const PortNaming& naming, int portNumber, const std::string& device);
