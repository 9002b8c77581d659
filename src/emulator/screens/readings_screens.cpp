#include "emulator/screens/readings_screens.h"

#include <array>
#include <string>

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/screens/service_wait.h"

namespace {

// Three blanks follow each value; short lines are padded to the whole row, so
// that a value shorter by more than three digits leaves none of the old ones.
constexpr const char* kValueTrail = "   ";
constexpr std::size_t kLineWidth = 13;

struct Reading {
    const char* label;
    long value;
};

using ReadingLines = std::array<Reading, 4>;

ReadingLines Screen1Readings(Firmware& fw) {
    const EmulatorStateRecord& s = fw.State;
    return {{{"Vin:", s.VinReading}, {"Srx:", s.RxLevel}, {"Stn:", s.StnReading}, {"Tmp:", s.TmpReading}}};
}

ReadingLines Screen2Readings(Firmware& fw) {
    const EmulatorStateRecord& s = fw.State;
    return {{{"Stn:", s.Stn2Reading}, {"AudL:", s.AudLReading}, {"SLO:", s.ModLevel}, {"OFF:", s.OffsetReading}}};
}

// Large text at column 0 of rows 0, 2, 4 and 6, over what is shown.
void DrawReadings(Firmware& fw, const ReadingLines& lines) {
    fw.Display.BigFont = true;
    fw.Display.Inverse = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text = lines[i].label + std::to_string(lines[i].value) + kValueTrail;
        if (text.size() < kLineWidth) text.resize(kLineWidth, ' ');
        fw.Display.GotoText(0, static_cast<uint8_t>(2 * i));
        fw.Display.DrawText(text);
    }
    fw.Display.BigFont = false;
}

Task<> RunReadingsScreen(Firmware& fw, ReadingLines (*readings)(Firmware&)) {
    fw.Display.Clear();
    for (bool open = true; open;) {
        DrawReadings(fw, readings(fw));
        open = co_await WaitForFlagOrKey(fw, fw.State.RefreshFlag);
    }
}

}  // namespace

Task<> RunReadingsScreen1(Firmware& fw) { return RunReadingsScreen(fw, Screen1Readings); }

Task<> RunReadingsScreen2(Firmware& fw) { return RunReadingsScreen(fw, Screen2Readings); }
