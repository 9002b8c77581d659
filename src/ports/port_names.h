#pragma once
#include <string>
#include <string_view>

class IniFile;

// Device names on this platform. The program names its ports COM1..COM16 as
// the transceiver's manuals do; a name of the form "COMn" (any case) stands
// for the device path given as key "COMn" of section "Ports" in RADIO.INI
// (for example COM3=/dev/ttyUSB0), or for /dev/ttyS<n-1> without such a key.
// A name that begins with "/" is a path already. Any other name (including
// COM0) names no device and gives an empty path.
std::string DevicePathOf(std::string_view deviceName, const IniFile& settings);

// As above with the [Ports] section of the RADIO.INI beside the executable,
// read afresh on every call so that an edited mapping takes effect at the next
// Open.
std::string DevicePathOf(std::string_view deviceName);

// Where "COMn" without a mapping points: "/dev/ttyS" followed by n - 1.
// Tests point it into a scratch folder so that no real port is touched.
void SetDefaultDeviceStem(std::string stem);

inline constexpr const char* DefaultDeviceStem = "/dev/ttyS";
