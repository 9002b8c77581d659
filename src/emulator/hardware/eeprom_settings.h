#pragma once
#include <cstdint>
#include <string>
#include <variant>

// The emulated transceiver's non-volatile settings, kept in "e2.dfd" beside
// the executable: 30 items back to back, little-endian, 43 bytes.
struct EepromSettingsRecord {
    int32_t Reserved0 = 0;
    int32_t Reserved1 = 0;
    int32_t ActiveFreq = 0;   // kHz
    int32_t StandbyFreq = 0;  // kHz; the only frequency in use in direct selection
    uint8_t Contrast = 0;
    uint8_t Volume = 0;          // 0..31
    uint8_t SquelchSetting = 0;  // 0..63; shown to the user as (63 - value) / 2
    uint8_t MicLevel = 0;        // 0..3
    uint8_t ScanAtPowerUp = 0;
    uint8_t DualMode = 0;      // 0 main+standby, 1 main only, 2 standby only
    uint8_t AuxOpenLevel = 0;  // attenuation step, 31 off
    uint8_t ChannelIndex = 0;  // 0..99
    uint8_t ChannelSelected = 0;
    uint8_t AuxMuteLevel = 0;
    uint8_t NoiseLevel = 0;
    uint8_t NoiseMode = 0;
    int16_t TxOffset = 0;
    uint8_t MicInvert = 0;
    uint8_t MicFilter = 0;
    uint8_t PttIsolate = 0;
    uint8_t TxHotMic = 0;
    uint8_t TxLock = 0;
    uint8_t PriorityScan = 0;
    uint8_t DirectSelect = 0;
    uint8_t Reserved24 = 0;
    uint8_t Reserved25 = 0;
    uint8_t Reserved26 = 0;
    uint8_t Reserved27 = 0;
    uint8_t Reserved28 = 0;
    uint8_t Reserved29 = 0;

    bool operator==(const EepromSettingsRecord&) const = default;
};

// What the settings store keeps across emulator runs: whether this run may
// write the file (not when it exists but could not be read), and the problems
// last reported with reading and with writing it, so that each is reported
// once per run of the program. A problem is forgotten when reading (writing)
// works again.
struct SettingsStoreRecord {
    bool SaveAllowed = true;
    std::string ReadProblemReported;
    std::string WriteProblemReported;
};

struct Firmware;

inline constexpr int SettingsFileSize = 43;

// Where one of the 30 items lives in the record, whatever its width.
using SettingLocation =
    std::variant<int32_t EepromSettingsRecord::*, int16_t EepromSettingsRecord::*, uint8_t EepromSettingsRecord::*>;

// Reads fw.Settings from its settings file (fw.SettingsPath); every item that the file does
// not hold whole reads as zero. A missing file is created with the defaults.
// A file that exists but cannot be read, or is no regular file (a pipe, a
// device, a folder), is reported through the emulator host, once per run of
// the program until a load succeeds; the defaults are used and that file is
// never overwritten by this run of the emulator.
void LoadSettings(Firmware& fw);

// Writes fw.Settings to its settings file, replacing it atomically. A
// failure is reported through the emulator host once per run of the program
// (again only after a save succeeded in between, or when the cause changed);
// the settings stay in memory and the next save tries again.
void SaveSettings(Firmware& fw);

// The 30 items at their defaults, as a first start writes them.
EepromSettingsRecord DefaultSettings();
