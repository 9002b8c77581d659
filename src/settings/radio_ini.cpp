#include "settings/radio_ini.h"

#include <cerrno>

#include "common/atomic_file.h"
#include "common/ini_file.h"
#include "common/text_file.h"

namespace {
constexpr const char* kSection = "Setup";
}

// Whatever cannot be read gives the defaults.
RadioSettings ReadRadioIni(const std::string& path) {
    std::string text;
    if (ReadTextFile(path, text) != 0) text.clear();
    const IniFile ini = IniFile::Parse(text);
    RadioSettings settings;
    settings.commsPort = static_cast<uint8_t>(IniInteger(ini.Value(kSection, "CommsPort").value_or("0"), 0));
    settings.freqFilename = ini.Value(kSection, "FreqFilename").value_or("");
    settings.zoom = ZoomOrDefault(IniInteger(ini.Value(kSection, "Zoom").value_or(""), DefaultZoom));
    return settings;
}

std::string WriteRadioIni(const std::string& path, const RadioSettings& settings, const FileWriteSeams& seams) {
    // An INI value ends at the line break: the rest would become lines of
    // their own, even sections and keys.
    if (settings.freqFilename.find_first_of("\r\n") != std::string::npos)
        return "The frequency database's file name holds a line break";
    std::string existing;
    if (const int error = ReadTextFile(path, existing); error != 0 && error != ENOENT) return FileErrorText(error);
    IniFile ini = IniFile::Parse(existing);
    ini.SetValue(kSection, "CommsPort", std::to_string(settings.commsPort));
    ini.SetValue(kSection, "FreqFilename", settings.freqFilename);
    // A file from before the zoom stays as it was while the window keeps its size.
    if (settings.zoom != DefaultZoom || ini.Value(kSection, "Zoom"))
        ini.SetValue(kSection, "Zoom", std::to_string(settings.zoom));
    const std::string text = ini.Text();
    return WriteFileAtomically(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, seams);
}
