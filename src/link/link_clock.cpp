#include "link/link_clock.h"

#include <chrono>

namespace {

class SteadyClock final : public LinkClock {
public:
    uint64_t NowMicroseconds() const override {
        using namespace std::chrono;
        return static_cast<uint64_t>(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
    }
};

constinit const SteadyClock kSteadyClock{};

}  // namespace

const LinkClock& SteadyLinkClock() { return kSteadyClock; }
