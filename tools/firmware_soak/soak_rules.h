#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "emulator/hardware/eeprom_settings.h"

struct Firmware;

// The rules the firmware keeps whatever the user does, checked by the soak
// while the firmware runs. A broken rule is recorded with the tick it was
// first broken at; each rule once.
class SoakRules {
public:
    explicit SoakRules(Firmware& fw) : fw_(fw) {}

    // At every tick: both frequencies in the band on the tuning grid, volume
    // and squelch in range, and no transmission past 60 s of one PTT hold.
    // `pttHeldTicks` is how long the PTTs have been held without a break.
    void CheckTick(uint64_t tick, uint64_t pttHeldTicks);

    // Just before a poll step's transmit control, on what the previous one
    // decided: the transmitter is keyed only while a PTT is held and at or
    // above 118.000 MHz, and a transmission never starts while TX lock holds
    // it back (receiving on the frequency it would use).
    void CheckPollStep(uint64_t tick);

    // A settings file was written from `written`: it loads back the same.
    void CheckSavedFile(const EepromSettingsRecord& written, uint64_t tick);

    // A stop requested at `requested` ended the run at `ended`.
    void CheckStop(uint64_t requested, uint64_t ended);

    void Broken(const std::string& rule, uint64_t tick);
    const std::vector<std::string>& Violations() const { return violations_; }

private:
    // What transmit control was about to decide on.
    struct PollView {
        bool transmitting = false;
        bool pttHeld = false;
        bool locked = false;
        int32_t transmitKHz = 0;
    };
    Firmware& fw_;
    PollView previous_;
    std::set<std::string> broken_;
    std::vector<std::string> violations_;
};
