#pragma once
#include <cstdint>

// The device link's sense of time, in monotonic microseconds. The program
// uses the system's steady clock; tests hand the link a clock they move on
// themselves.
class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual uint64_t NowMicroseconds() const = 0;
};

// The system's steady clock.
const LinkClock& SteadyLinkClock();
