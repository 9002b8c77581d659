#include "ports/port_names.h"

#include <cctype>
#include <charconv>
#include <optional>

#include "common/ini_file.h"
#include "common/text_file.h"

namespace {

constexpr std::string_view kPortsSection = "Ports";

// n of a "COMn" name, n >= 1.
std::optional<unsigned> PortNumberOf(std::string_view name) {
    if (name.size() < 4) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return std::nullopt;
    const std::string_view digits = name.substr(3);
    unsigned number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number == 0) return std::nullopt;
    return number;
}

}  // namespace

std::string DevicePathOf(std::string_view deviceName, const IniFile& settings, std::string_view defaultStem) {
    if (deviceName.starts_with('/')) return std::string(deviceName);
    const std::optional<unsigned> number = PortNumberOf(deviceName);
    if (!number) return {};
    const std::string key = "COM" + std::to_string(*number);
    if (const auto mapped = settings.Value(kPortsSection, key); mapped && !mapped->empty()) return *mapped;
    return std::string(defaultStem) + std::to_string(*number - 1);
}

std::string DevicePathOf(std::string_view deviceName, const PortNaming& naming) {
    std::string text;  // an unreadable file maps nothing
    ReadTextFile(naming.radioIni, text);
    return DevicePathOf(deviceName, IniFile::Parse(text), naming.defaultStem);
}
