// The emulated firmware's work per 20 ms tick while it sits on its offline
// main screen untouched: the time base and the run of the firmware to its
// next wait, nothing of the window. Google Benchmark reports the time per
// tick; bench/idle_tick_instructions.sh runs this under callgrind, counting
// only inside OneIdleTick, for the instructions per tick.
#include <benchmark/benchmark.h>

#include "firmware_soak/idle_main_screen.h"

namespace {

// 50,000 ticks are 1,000 s of scripted time: every half-second redraw and
// blink phase is taken in many times over.
constexpr int64_t kIdleTicks = 50000;

[[gnu::noinline]] void OneIdleTick(IdleMainScreen& firmware) { firmware.Tick(); }

void BM_IdleTick(benchmark::State& state) {
    IdleMainScreen firmware;
    for (auto _ : state) OneIdleTick(firmware);
    state.SetItemsProcessed(state.iterations());
    if (!firmware.Errors().empty()) state.SkipWithError(firmware.Errors().front().c_str());
}
BENCHMARK(BM_IdleTick)->Iterations(kIdleTicks);

}  // namespace

BENCHMARK_MAIN();
