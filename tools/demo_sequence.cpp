#include "demo_sequence.h"

#include <iterator>

namespace {

// What changes from one message to the next within a scene.
enum class Ramp : uint8_t { RxLevel, Squelch, StandbyMhz, StandbyKhz, TxLevel, Channel };

struct Scene {
    uint32_t steps;
    Ramp ramp;
    SimulatedDisplay start;
};

SimulatedDisplay Radio(uint8_t mode, bool transmitting, uint8_t activeChannel, uint8_t standbyChannel) {
    SimulatedDisplay d;
    d.adjustMode = mode;
    d.transmitting = transmitting;
    d.volumeBar = 20;
    d.squelchBar = 8;
    d.activeFreq = 118025;
    d.standbyFreq = 121500;
    d.activeChannel = activeChannel;
    d.standbyChannel = standbyChannel;
    d.activeName = "TOWER";
    d.activeType = "TWR";
    d.standbyName = "GUARD";
    d.standbyType = "EMERG";
    return d;
}

const Scene kScenes[] = {
    {32, Ramp::RxLevel, Radio(0, false, 0, 7)},    {33, Ramp::Squelch, Radio(1, false, 0, 7)},
    {19, Ramp::StandbyMhz, Radio(2, false, 0, 0)}, {40, Ramp::StandbyKhz, Radio(3, false, 0, 0)},
    {32, Ramp::TxLevel, Radio(0, true, 0, 7)},     {20, Ramp::Channel, Radio(4, false, 1, 7)},
};

SimulatedDisplay Advance(SimulatedDisplay d, Ramp ramp, uint32_t i) {
    switch (ramp) {
        case Ramp::RxLevel: d.rxLevel = static_cast<uint8_t>(2 * i); break;
        case Ramp::Squelch: d.squelchBar = static_cast<uint8_t>(i); break;
        case Ramp::StandbyMhz: d.standbyFreq = static_cast<int32_t>(118000 + 1000 * i); break;
        case Ramp::StandbyKhz: d.standbyFreq = static_cast<int32_t>(121000 + 25 * i); break;
        case Ramp::TxLevel: d.txLevel = static_cast<uint8_t>(2 * i); break;
        case Ramp::Channel: d.activeChannel = static_cast<uint8_t>(1 + i); break;
    }
    return d;
}

}  // namespace

uint32_t DemoLength() {
    uint32_t total = 0;
    for (const Scene& s : kScenes) total += s.steps;
    return total;
}

SimulatedDisplay DemoDisplay(uint32_t step) {
    step %= DemoLength();
    for (const Scene& s : kScenes) {
        if (step < s.steps) return Advance(s.start, s.ramp, step);
        step -= s.steps;
    }
    return kScenes[0].start;
}
