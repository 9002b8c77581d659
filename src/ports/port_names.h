#pragma once
#include <string>
#include <string_view>

class IniFile;

// Device names on this platform. The program names its ports COM1..COM16 as
// the transceiver's manuals do; a name of the form "COMn" (any case) stands
// for the device path given as key "COMn" of section "Ports" in RADIO.INI
// (for example COM3=/dev/ttyUSB0), or for /dev/ttyS<n-1> without such a key.
// A name that begins with "/" is a path already. Any other name (including
// COM0) names no device and gives an empty path. "COMn" without a mapping is
// `defaultStem` followed by n - 1.
inline constexpr const char* DefaultDeviceStem = "/dev/ttyS";
std::string DevicePathOf(std::string_view deviceName, const IniFile& settings,
                         std::string_view defaultStem = DefaultDeviceStem);

// Where the program's COMn names lead: the RADIO.INI whose [Ports] section
// maps them and the stem of an unmapped one. Tests point the stem into a
// scratch folder so that no real port is touched.
struct PortNaming {
    std::string radioIni;
    std::string defaultStem = DefaultDeviceStem;
};

// As above with the [Ports] section of `naming`'s RADIO.INI, read afresh on
// every call so that an edited mapping takes effect at the next Open.
std::string DevicePathOf(std::string_view deviceName, const PortNaming& naming);
