#include "shell/radio_ini.h"

#include <fstream>
#include <iterator>

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "shell/ini_file.h"

namespace {
constexpr const char* kSection = "Setup";
}

std::string RadioIniPath() { return ProgramDirectory() + "RADIO.INI"; }

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

RadioSettings ReadRadioIni(const std::string& path) {
    const IniFile ini = IniFile::Parse(ReadTextFile(path));
    RadioSettings settings;
    settings.commsPort = static_cast<uint8_t>(IniInteger(ini.Value(kSection, "CommsPort").value_or("0"), 0));
    settings.freqFilename = ini.Value(kSection, "FreqFilename").value_or("");
    return settings;
}

std::string WriteRadioIni(const std::string& path, const RadioSettings& settings) {
    IniFile ini = IniFile::Parse(ReadTextFile(path));
    ini.SetValue(kSection, "CommsPort", std::to_string(settings.commsPort));
    ini.SetValue(kSection, "FreqFilename", settings.freqFilename);
    const std::string text = ini.Text();
    return WriteFileAtomically(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}
