#include "emulator/hardware/eeprom_settings.h"

#include <array>
#include <cerrno>
#include <span>
#include <type_traits>
#include <variant>

#include "common/atomic_file.h"
#include "common/little_endian.h"
#include "common/regular_file.h"
#include "emulator/runtime/firmware.h"

namespace {

using Settings = EepromSettingsRecord;

// One persisted item: where it lives, its default and its size in the file.
struct SettingsItem {
    SettingLocation location;
    int32_t defaultValue;
    uint8_t size;
};

// The 30 items in file order; load and save walk this table.
// clang-format off
constexpr std::array<SettingsItem, 30> kSettingsItems{{
    {&Settings::Reserved0, 0, 4},
    {&Settings::Reserved1, 0, 4},
    {&Settings::ActiveFreq, 123450, 4},
    {&Settings::StandbyFreq, 126000, 4},
    {&Settings::Contrast, 36, 1},
    {&Settings::Volume, 20, 1},
    {&Settings::SquelchSetting, 10, 1},
    {&Settings::MicLevel, 3, 1},
    {&Settings::ScanAtPowerUp, 0, 1},
    {&Settings::DualMode, 0, 1},
    {&Settings::AuxOpenLevel, 15, 1},
    {&Settings::ChannelIndex, 0, 1},
    {&Settings::ChannelSelected, 0, 1},
    {&Settings::AuxMuteLevel, 15, 1},
    {&Settings::NoiseLevel, 4, 1},
    {&Settings::NoiseMode, 0, 1},
    {&Settings::TxOffset, 2000, 2},
    {&Settings::MicInvert, 0, 1},
    {&Settings::MicFilter, 0, 1},
    {&Settings::PttIsolate, 0, 1},
    {&Settings::TxHotMic, 0, 1},
    {&Settings::TxLock, 0, 1},
    {&Settings::PriorityScan, 0, 1},
    {&Settings::DirectSelect, 0, 1},
    {&Settings::Reserved24, 0, 1},
    {&Settings::Reserved25, 0, 1},
    {&Settings::Reserved26, 0, 1},
    {&Settings::Reserved27, 0, 1},
    {&Settings::Reserved28, 0, 1},
    {&Settings::Reserved29, 0, 1},
}};
// clang-format on

constexpr bool SizesMatchTheRecord() {
    int total = 0;
    for (const SettingsItem& item : kSettingsItems) {
        const auto memberSize =
            std::visit([](auto member) { return static_cast<int>(sizeof(Settings{}.*member)); }, item.location);
        if (memberSize != item.size) return false;
        total += item.size;
    }
    return total == SettingsFileSize;
}
static_assert(SizesMatchTheRecord(), "every item's size must match its field and add up to the file size");

using SettingsBytes = std::array<uint8_t, SettingsFileSize>;

int32_t ItemValue(const Settings& settings, const SettingsItem& item) {
    return std::visit([&](auto member) { return static_cast<int32_t>(settings.*member); }, item.location);
}

void SetItemValue(Settings& settings, const SettingsItem& item, int32_t value) {
    std::visit(
        [&](auto member) {
            settings.*member = static_cast<std::remove_reference_t<decltype(settings.*member)>>(value);
        },
        item.location);
}

int32_t ReadItem(const uint8_t* p, uint8_t size) {
    if (size == 4) return ReadLe32(p);
    if (size == 2) return ReadLe16(p);
    return *p;
}

void WriteItem(uint8_t* p, uint8_t size, int32_t value) {
    if (size == 4)
        WriteLe32(p, value);
    else if (size == 2)
        WriteLe16(p, static_cast<int16_t>(value));
    else
        *p = static_cast<uint8_t>(value);
}

SettingsBytes Encode(const Settings& settings) {
    SettingsBytes bytes{};
    std::size_t offset = 0;
    for (const SettingsItem& item : kSettingsItems) {
        WriteItem(bytes.data() + offset, item.size, ItemValue(settings, item));
        offset += item.size;
    }
    return bytes;
}

// Items that the bytes do not hold whole read as zero.
Settings Decode(std::span<const uint8_t> bytes) {
    Settings settings;
    std::size_t offset = 0;
    for (const SettingsItem& item : kSettingsItems) {
        const bool whole = offset + item.size <= bytes.size();
        SetItemValue(settings, item, whole ? ReadItem(bytes.data() + offset, item.size) : 0);
        offset += item.size;
    }
    return settings;
}

void ReportOnce(Firmware& fw, const std::string& message, std::string& reported) {
    if (message == reported) return;
    reported = message;
    fw.Host.ReportError(message);
}

void WriteSettingsFile(Firmware& fw) {
    const SettingsBytes bytes = Encode(fw.Settings);
    const std::string error = WriteFileAtomically(fw.SettingsPath, bytes, fw.WriteSeams);
    if (error.empty()) {
        fw.Store.WriteProblemReported.clear();
        return;
    }
    ReportOnce(fw,
               "The emulator settings could not be saved to " + fw.SettingsPath + ": " + error +
                   ". They stay in effect; the next change tries again.",
               fw.Store.WriteProblemReported);
}

void ReportUnreadable(Firmware& fw, int error) {
    fw.Store.SaveAllowed = false;
    ReportOnce(fw,
               "The emulator settings file " + fw.SettingsPath + " cannot be read: " + FileErrorText(error) +
                   ". The emulator runs with its default settings and leaves the file as it is.",
               fw.Store.ReadProblemReported);
}

}  // namespace

void LoadSettings(Firmware& fw) {
    fw.Store.SaveAllowed = true;
    SettingsBytes bytes{};
    std::size_t count = 0;
    if (const int error = ReadRegularFile(fw.SettingsPath, bytes, count)) {
        fw.Settings = DefaultSettings();
        if (error == ENOENT)
            WriteSettingsFile(fw);
        else
            ReportUnreadable(fw, error);
        return;
    }
    fw.Store.ReadProblemReported.clear();
    fw.Settings = Decode(std::span<const uint8_t>(bytes.data(), count));
}

void SaveSettings(Firmware& fw) {
    if (fw.Store.SaveAllowed) WriteSettingsFile(fw);
}

EepromSettingsRecord DefaultSettings() {
    Settings settings;
    for (const SettingsItem& item : kSettingsItems) SetItemValue(settings, item, item.defaultValue);
    return settings;
}
