#include "emulator/screens/readings_screens.h"

#include <array>
#include <string>

#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
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

ReadingLines Screen1Readings() {
    const EmulatorStateRecord& s = EmulatorState;
    return {{{"Vin:", s.VinReading}, {"Srx:", s.RxLevel}, {"Stn:", s.StnReading}, {"Tmp:", s.TmpReading}}};
}

ReadingLines Screen2Readings() {
    const EmulatorStateRecord& s = EmulatorState;
    return {{{"Stn:", s.Stn2Reading}, {"AudL:", s.AudLReading}, {"SLO:", s.ModLevel}, {"OFF:", s.OffsetReading}}};
}

// Large text at column 0 of rows 0, 2, 4 and 6, over what is shown.
void DrawReadings(const ReadingLines& lines) {
    EmulatorLcd().BigFont = true;
    EmulatorLcd().Inverse = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text = lines[i].label + std::to_string(lines[i].value) + kValueTrail;
        if (text.size() < kLineWidth) text.resize(kLineWidth, ' ');
        EmulatorLcd().GotoText(0, static_cast<uint8_t>(2 * i));
        EmulatorLcd().DrawText(text);
    }
    EmulatorLcd().BigFont = false;
}

Task<> RunReadingsScreen(ReadingLines (*readings)()) {
    EmulatorLcd().Clear();
    for (bool open = true; open;) {
        DrawReadings(readings());
        open = co_await WaitForFlagOrKey(EmulatorState.RefreshFlag);
    }
}

}  // namespace

Task<> RunReadingsScreen1() { return RunReadingsScreen(Screen1Readings); }

Task<> RunReadingsScreen2() { return RunReadingsScreen(Screen2Readings); }
