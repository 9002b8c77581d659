#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A soak of the emulated firmware in scripted time: emulator runs one after
// another, each started from a random settings file (missing, random bytes,
// or the last one with a few bytes changed) and stopped at a random moment,
// from whatever screen it is on, while the panel is used at random
// (firmware_soak/soak_inputs.h) and its rules are checked on every tick and
// every poll step (firmware_soak/soak_rules.h). The frequency database holds
// channels on random frequencies of the tuning grid, in and out of the band.
// The host wakes the firmware at every tick and at random moments between.
//
// Runs on the calling thread, on a firmware of its own whose settings file
// lies in a temporary folder removed at the end; the display is not shown.
struct SoakReport {
    uint64_t ticks = 0;      // 20 ms ticks run
    uint64_t runs = 0;       // emulator runs started
    uint64_t saves = 0;      // settings files written and loaded back
    uint64_t menuTicks = 0;  // ticks spent inside the menus
    uint64_t transmitTicks = 0;
    std::vector<std::string> violations;  // "tick n: rule", each rule once
};

SoakReport RunFirmwareSoak(uint32_t seed, uint64_t ticks);
