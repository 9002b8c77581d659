#include "emulator/hardware/audio_levels.h"

#include <array>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"

namespace {
constexpr uint8_t kVolumeMaximum = 31;
constexpr std::array<uint8_t, 4> kMicGainByLevel = {20, 14, 7, 0};
}  // namespace

void ApplyVolume() { WriteRegister(static_cast<uint8_t>(kVolumeMaximum - EepromSettings.Volume), RegisterVolume); }

void ApplyMicLevel() {
    if (EepromSettings.MicLevel >= kMicGainByLevel.size()) return;
    const uint8_t gain = kMicGainByLevel[EepromSettings.MicLevel];
    WriteRegister(gain, RegisterMicLevel1);
    WriteRegister(gain, RegisterMicLevel2);
}
