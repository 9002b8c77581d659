// The long soak of the emulated firmware: random use in scripted time with
// its rules checked on every tick and poll step (tools/firmware_soak). Prints
// the ticks run and the ticks per second, and every rule broken.
//
//   bench_firmware_soak [ticks [seed]]   defaults: 3000000 ticks (16.7 hours), a seed from the clock
#include "firmware_soak/firmware_soak.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const uint64_t ticks = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 3000000;
    const auto seed = static_cast<uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10)
                                                     : std::chrono::steady_clock::now().time_since_epoch().count());
    const auto start = std::chrono::steady_clock::now();
    const SoakReport report = RunFirmwareSoak(seed, ticks);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seed %u\n", seed);
    std::printf("ticks run            %llu (%.1f hours of scripted time)\n",
                static_cast<unsigned long long>(report.ticks), report.ticks / 50.0 / 3600.0);
    std::printf("ticks per second     %.0f\n", report.ticks / seconds);
    std::printf("emulator runs        %llu\n", static_cast<unsigned long long>(report.runs));
    std::printf("settings files saved %llu\n", static_cast<unsigned long long>(report.saves));
    std::printf("ticks in the menus   %llu\n", static_cast<unsigned long long>(report.menuTicks));
    std::printf("ticks transmitting   %llu\n", static_cast<unsigned long long>(report.transmitTicks));
    std::printf("rules broken         %zu\n", report.violations.size());
    for (const std::string& violation : report.violations) std::printf("  %s\n", violation.c_str());
    return report.violations.empty() ? EXIT_SUCCESS : EXIT_FAILURE;
}
