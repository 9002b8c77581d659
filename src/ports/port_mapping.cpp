#include "ports/port_mapping.h"

#include <cerrno>
#include <cstdint>

#include "common/atomic_file.h"
#include "common/ini_file.h"
#include "common/text_file.h"

namespace {

constexpr const char* kSection = "Ports";

std::string PortName(int portNumber) { return "COM" + std::to_string(portNumber); }

}  // namespace

std::vector<PortDevice> PortDevices(int count, const PortNaming& naming) {
    std::string text;  // an unreadable file maps nothing
    ReadTextFile(naming.radioIni, text);
    const IniFile ini = IniFile::Parse(text);
    std::vector<PortDevice> devices;
    for (int n = 1; n <= count; ++n) {
        const auto mapped = ini.Value(kSection, PortName(n));
        devices.push_back({DevicePathOf(PortName(n), ini, naming.defaultStem), mapped && !mapped->empty()});
    }
    return devices;
}

std::string SetPortMapping(const PortNaming& naming, int portNumber, const std::string& device) {
    if (device.find_first_of("\r\n") != std::string::npos) return "The device path holds a line break";
    if (!device.empty() && !device.starts_with('/')) return "A device path begins with /";
    const std::string& path = naming.radioIni;
    std::string existing;
    if (const int error = ReadTextFile(path, existing); error != 0 && error != ENOENT)
        return path + ": " + FileErrorText(error);
    IniFile ini = IniFile::Parse(existing);
    if (device.empty())
        ini.RemoveValue(kSection, PortName(portNumber));
    else
        ini.SetValue(kSection, PortName(portNumber), device);
    const std::string text = ini.Text();
    const std::string error = WriteFileAtomically(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    return error.empty() ? error : path + ": " + error;
}
