// Any bytes as the emulator's settings file e2.dfd, then an emulator run on
// the scripted clock with key presses taken from the input: the splash, the
// main screen and whatever screens the keys reach, with the settings the file
// gave. The first byte is the file's length (0..43, modulo 44), the file's
// bytes follow, and each later byte is one key press: bits 0..5 the keys held
// together, bits 6..7 how long (a tap, a short hold, a long press, a very long
// press). The database holds channels on the frequencies the file names, so
// channel screens come into play.
//
// Checked: whatever the file holds, the firmware reads no table out of bounds
// and does nothing undefined (the sanitizers), and the run ends when asked.
// The display is detached: every bitmap and glyph is still looked up, but
// painting the panel picture would take most of the time.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "common/little_endian.h"
#include "emulator/hardware/eeprom_settings.h"
#include "freqdb/freq_database.h"
#include "fuzz_check.h"
#include "support/scripted_host.h"

namespace {

constexpr uint32_t kHoldTicks[] = {2, 8, 34, 70};  // a long press takes 31 ticks
constexpr uint32_t kGapTicks = 6;
constexpr size_t kMaxPresses = 24;

void WriteSettingsFile(const std::string& directory, const uint8_t* data, size_t size) {
    std::ofstream(directory + "e2.dfd", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Channels 0 and 1 on the two frequencies the file holds, with names of any
// bytes, so that the channel lookup and the channel texts have work to do.
void FillChannels(FreqChannels& table, const uint8_t* file, size_t size) {
    if (size >= 12) table[0].FreqKHz = ReadLe32(file + 8);
    if (size >= 16) table[1].FreqKHz = ReadLe32(file + 12);
    table[0].NameLength = FreqTextCapacity;
    table[0].NameChars = {'\x7f', '\x93', '\xff', ' ', '\0', 'A'};
    table[1].TypeLength = 3;
    table[1].TypeChars = {'\x94', ' ', '~', 0, 0, 0};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t fileSize = std::min<size_t>(data[0] % (SettingsFileSize + 1), size - 1);
    const uint8_t* file = data + 1;
    const uint8_t* presses = file + fileSize;
    const size_t pressCount = std::min(size - 1 - fileSize, kMaxPresses);

    ScriptedHost host;
    WriteSettingsFile(host.Directory(), file, fileSize);
    FillChannels(host.db.Table, file, fileSize);

    uint32_t tick = ScriptedHost::MainScreenTick + 5;
    for (size_t i = 0; i < pressCount; ++i) {
        const uint8_t keys = presses[i] & 0x3F;
        const uint32_t hold = kHoldTicks[presses[i] >> 6];
        if (keys != 0) host.HoldKey(keys, tick, hold);
        tick += hold + kGapTicks;
    }
    host.RunUntilTick(tick + 10);
    FuzzCheck(host.Tick() <= tick + 11, "the run ends within a tick of the stop request");
    return 0;
}
