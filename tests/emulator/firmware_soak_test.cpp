#include <gtest/gtest.h>

#include "firmware_soak/firmware_soak.h"

namespace {

// An hour of random use in scripted time, the same every run: no rule of the
// firmware may break (the long soak is bench/firmware_soak).
TEST(FirmwareSoakTest, AnHourOfRandomUseKeepsEveryRule) {
    constexpr uint64_t kHour = 3600 * 50;
    const SoakReport report = RunFirmwareSoak(20240611, kHour);
    for (const std::string& violation : report.violations) ADD_FAILURE() << violation;
    EXPECT_EQ(report.ticks, kHour);
    EXPECT_GT(report.runs, 5u);
    EXPECT_GT(report.saves, report.runs);
    EXPECT_GT(report.menuTicks, 10000u);
    EXPECT_GT(report.transmitTicks, 1000u);
}

}  // namespace
