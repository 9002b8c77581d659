#include "firmware_soak/soak_inputs.h"

#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_tick.h"

namespace {

// KeyDown bits weighted so that a random walk gets deep into the menus:
// DOWN most, MENU least.
constexpr uint8_t kWeightedKeys[] = {
    KeyBitDown,   KeyBitDown, KeyBitDown,  KeyBitUp,       KeyBitUp,       KeyBitActive,
    KeyBitActive, KeyBitMenu, KeyBitVolSq, KeyBitMhzKhzCh, KeyBitMhzKhzCh,
};
constexpr uint32_t kTicksBetweenPresses = 12;  // on average
constexpr uint32_t kTicksBetweenPtts = 2000;   // per button
constexpr uint32_t kTicksBetweenSliderMoves = 150;

int BitIndex(uint8_t bit) {
    int index = 0;
    while ((bit >> index) != 1) ++index;
    return index;
}

}  // namespace

// Taps mostly; holds past the long press (31 ticks) and long holds that
// repeat through lists.
uint32_t SoakInputs::KeyHoldTicks() {
    const uint32_t kind = Below(20);
    if (kind < 12) return 1 + Below(3);
    if (kind < 16) return 4 + Below(20);
    if (kind < 19) return 31 + Below(50);
    return 100 + Below(300);
}

// Moments, seconds, a minute, and once in a while past the stuck limit.
uint32_t SoakInputs::PttHoldTicks() {
    const uint32_t kind = Below(20);
    if (kind < 14) return 1 + Below(200);
    if (kind < 19) return 200 + Below(1000);
    return 2990 + Below(200);
}

void SoakInputs::PressKeys() {
    const uint32_t together = Below(10) == 0 ? 2 + Below(2) : 1;
    for (uint32_t i = 0; i < together; ++i) {
        const uint8_t bit = kWeightedKeys[Below(std::size(kWeightedKeys))];
        inputs_.KeyDown |= bit;
        keyHold_[BitIndex(bit)] = KeyHoldTicks();
    }
}

void SoakInputs::ReleaseKeysDue() {
    for (int i = 0; i < static_cast<int>(keyHold_.size()); ++i) {
        if (keyHold_[i] == 0 || --keyHold_[i] > 0) continue;
        inputs_.KeyDown &= static_cast<uint8_t>(~(1u << i));
    }
}

void SoakInputs::StepPtts() {
    uint8_t* const buttons[] = {&inputs_.PttPilot, &inputs_.PttPax};
    for (std::size_t i = 0; i < pttHold_.size(); ++i) {
        if (pttHold_[i] > 0 && --pttHold_[i] == 0) *buttons[i] = 0;
        if (pttHold_[i] == 0 && Below(kTicksBetweenPtts) == 0) {
            *buttons[i] = 1;
            pttHold_[i] = PttHoldTicks();
        }
    }
}

// Anywhere on the slider, the two ends often.
void SoakInputs::StepSliders() {
    if (Below(kTicksBetweenSliderMoves) != 0) return;
    const uint32_t where = Below(4);
    sliders_[Below(2)] = static_cast<uint16_t>(where == 0 ? 0 : where == 1 ? SliderMaximum : Below(SliderMaximum + 1));
}

void SoakInputs::Step() {
    ReleaseKeysDue();
    if (Below(kTicksBetweenPresses) == 0) PressKeys();
    StepPtts();
    StepSliders();
}

void SoakInputs::ReleasePtts() {
    pttHold_ = {};
    inputs_.PttPilot = inputs_.PttPax = 0;
}
