#include "emulator/hardware/settings_ranges.h"

#include <cstdint>
#include <variant>

namespace {

using Settings = EepromSettingsRecord;

struct SettingRange {
    SettingLocation item;
    int32_t lowest;
    int32_t highest;
    int32_t grid;  // the value is a whole multiple of it
};

// clang-format off
constexpr SettingRange kRanges[] = {
    {&Settings::ActiveFreq,      108000,  136975,  25},
    {&Settings::StandbyFreq,     108000,  136975,  25},
    {&Settings::Contrast,        20,      63,      1},
    {&Settings::Volume,          0,       31,      1},
    {&Settings::SquelchSetting,  0,       63,      1},
    {&Settings::MicLevel,        0,       3,       1},
    {&Settings::DualMode,        0,       2,       1},
    {&Settings::AuxOpenLevel,    0,       31,      1},
    {&Settings::ChannelIndex,    0,       99,      1},
    {&Settings::AuxMuteLevel,    0,       31,      1},
    {&Settings::NoiseMode,       0,       2,       1},
    {&Settings::TxOffset,        -32000,  32000,   1000},
};
// clang-format on

// Noise levels by mode: VOGAD stops at 6, the two VOX modes at 10.
constexpr uint8_t kVogadTopLevel = 6;
constexpr uint8_t kVoxTopLevel = 10;

bool InRange(int32_t value, const SettingRange& range) {
    return value >= range.lowest && value <= range.highest && value % range.grid == 0;
}

}  // namespace

void ReplaceOutOfRangeSettings(EepromSettingsRecord& settings) {
    const Settings defaults = DefaultSettings();
    for (const SettingRange& range : kRanges) {
        std::visit(
            [&](auto member) {
                if (!InRange(settings.*member, range)) settings.*member = defaults.*member;
            },
            range.item);
    }
    const uint8_t topLevel = settings.NoiseMode == 0 ? kVogadTopLevel : kVoxTopLevel;
    if (settings.NoiseLevel > topLevel) settings.NoiseLevel = defaults.NoiseLevel;
}
