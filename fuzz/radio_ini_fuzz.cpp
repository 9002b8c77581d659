// Any bytes as RADIO.INI: read as the program reads it at start, then the
// program's two keys written back into the text as the close does.
//
// Checked: reading never fails or reads out of bounds; after writing, the
// text reads back as the values written, and every line the file held that
// is not one of the two keys is still there, in its order.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini_file.h"
#include "fuzz_check.h"
#include "settings/radio_ini.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 2);
    }
    return lines;
}

// Whether every line of `before` appears in `after`, in the same order.
bool KeepsEveryLine(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after) {
    size_t next = 0;
    for (const std::string_view line : after)
        if (next < before.size() && line == before[next]) ++next;
    return next == before.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempDir dir;
    const std::string path = dir.File("RADIO.INI");
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;

    const RadioSettings settings = ReadRadioIni(path);
    const std::string port = std::to_string(settings.commsPort);

    IniFile ini = IniFile::Parse(text);
    const std::string original = ini.Text();
    ini.SetValue("Setup", "CommsPort", port);
    ini.SetValue("Setup", "FreqFilename", settings.freqFilename);
    const std::string written = ini.Text();

    const IniFile reread = IniFile::Parse(written);
    FuzzCheck(reread.Value("Setup", "CommsPort") == port, "CommsPort reads back as written");
    FuzzCheck(reread.Value("Setup", "FreqFilename") == settings.freqFilename, "FreqFilename reads back as written");
    FuzzCheck(IniInteger(port, -1) == settings.commsPort, "the port written reads as the same number");

    std::vector<std::string_view> kept;
    for (const std::string_view line : Lines(original)) {
        const IniFile single = IniFile::Parse("[Setup]\n" + std::string(line));
        if (!single.Value("Setup", "CommsPort") && !single.Value("Setup", "FreqFilename")) kept.push_back(line);
    }
    FuzzCheck(KeepsEveryLine(kept, Lines(written)), "every other line of the file is kept in its order");
    return 0;
}
