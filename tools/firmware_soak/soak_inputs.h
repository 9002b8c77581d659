#pragma once
#include <array>
#include <cstdint>
#include <random>

#include "emulator/hardware/panel_inputs.h"

// Random use of the front panel, one step per 20 ms tick: keys tapped, held
// past the long press and held together, the two signal sliders moved, and
// the two PTT buttons pressed for moments, for minutes and now and then past
// the 60 s stuck limit. Key holds go on across emulator runs, as on the key
// areas, which stay enabled online; the PTT buttons are disabled online,
// which releases them.
class SoakInputs {
public:
    SoakInputs(std::mt19937& random, PanelInputsRecord& inputs) : random_(random), inputs_(inputs) {}

    // Updates the panel inputs and the slider positions for the next tick.
    void Step();
    // Both PTT buttons up, as the window's switch to online leaves them.
    void ReleasePtts();

    uint16_t ActiveSlider() const { return sliders_[0]; }
    uint16_t StandbySlider() const { return sliders_[1]; }

private:
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(random_() % n); }
    uint32_t KeyHoldTicks();
    uint32_t PttHoldTicks();
    void PressKeys();
    void ReleaseKeysDue();
    void StepPtts();
    void StepSliders();

    std::mt19937& random_;
    PanelInputsRecord& inputs_;
    std::array<uint32_t, 6> keyHold_{};  // ticks left per KeyDown bit
    std::array<uint32_t, 2> pttHold_{};  // pilot, passenger
    std::array<uint16_t, 2> sliders_{371, 371};
};
