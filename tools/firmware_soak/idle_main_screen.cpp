#include "firmware_soak/idle_main_screen.h"

#include "emulator/runtime/emulator_tick.h"

namespace {

// The splash has given way to the main screen after 125 ticks.
constexpr int kTicksToMainScreen = 150;

}  // namespace

IdleMainScreen::IdleMainScreen() {
    runner_.Start();
    for (int tick = 0; tick < kTicksToMainScreen; ++tick) Tick();
}

IdleMainScreen::~IdleMainScreen() { runner_.Stop(); }

void IdleMainScreen::Tick() {
    now_ += TickMicroseconds;
    EmulatorTick(fw_, SliderMaximum, SliderMaximum);
    runner_.Resume();
}
