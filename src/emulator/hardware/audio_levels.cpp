#include "emulator/hardware/audio_levels.h"

#include <array>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/hardware.h"
#include "emulator/runtime/firmware.h"

namespace {
constexpr uint8_t kVolumeMaximum = 31;
constexpr std::array<uint8_t, 4> kMicGainByLevel = {20, 14, 7, 0};
}  // namespace

void ApplyVolume(Firmware& fw) {
    WriteRegister(fw, static_cast<uint8_t>(kVolumeMaximum - fw.Settings.Volume), RegisterVolume);
}

void ApplyMicLevel(Firmware& fw) {
    if (fw.Settings.MicLevel >= kMicGainByLevel.size()) return;
    const uint8_t gain = kMicGainByLevel[fw.Settings.MicLevel];
    WriteRegister(fw, gain, RegisterMicLevel1);
    WriteRegister(fw, gain, RegisterMicLevel2);
}
