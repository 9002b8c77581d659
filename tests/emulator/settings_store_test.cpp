#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

#include "common/atomic_file.h"
#include "common/little_endian.h"
#include "common/program_directory.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/hardware/settings_ranges.h"
#include "emulator/runtime/emulator_host.h"
#include "support/file_faults.h"
#include "support/scripted_host.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The file a first start writes.
const Bytes kDefaultBytes = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // reserved
    0x3A, 0xE2, 0x01, 0x00,                          // ActiveFreq 123450
    0x30, 0xEC, 0x01, 0x00,                          // StandbyFreq 126000
    0x24, 0x14, 0x0A, 0x03,                          // Contrast, Volume, SquelchSetting, MicLevel
    0x00, 0x00, 0x0F, 0x00, 0x00, 0x0F, 0x04, 0x00,  // ScanAtPowerUp .. NoiseMode
    0xD0, 0x07,                                      // TxOffset 2000
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,        // MicInvert .. DirectSelect
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00,              // reserved
};

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

int FailEveryWrite(std::size_t) { return ENOSPC; }

class SettingsStoreTest : public ::testing::Test {
protected:
    // The emulator run's load: the file, then the ranges the firmware keeps.
    void LoadAsTheRunDoes() {
        LoadSettings(host.fw);
        ReplaceOutOfRangeSettings(host.fw.Settings);
    }
    ScriptedHost host;
    const std::string path = host.fw.SettingsPath;
};

TEST_F(SettingsStoreTest, AMissingFileIsCreatedWithTheFortyThreeDefaultBytes) {
    EXPECT_EQ(path, host.Directory() + "e2.dfd");
    LoadSettings(host.fw);
    EXPECT_EQ(ReadBytes(path), kDefaultBytes);
    EXPECT_EQ(host.fw.Settings.ActiveFreq, 123450);
    EXPECT_EQ(host.fw.Settings.StandbyFreq, 126000);
    EXPECT_EQ(host.fw.Settings.Volume, 20);
    EXPECT_EQ(host.fw.Settings.AuxMuteLevel, 15);
    EXPECT_EQ(host.fw.Settings.TxOffset, 2000);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(SettingsStoreTest, ASavedFileLoadsBackUnchangedInItemOrder) {
    host.fw.Settings = DefaultSettings();
    host.fw.Settings.Reserved1 = -7;
    host.fw.Settings.ActiveFreq = 108025;
    host.fw.Settings.StandbyFreq = 136975;
    host.fw.Settings.DualMode = 2;
    host.fw.Settings.TxOffset = -12000;
    host.fw.Settings.DirectSelect = 1;
    host.fw.Settings.Reserved29 = 0xEE;
    SaveSettings(host.fw);
    const Bytes saved = ReadBytes(path);
    ASSERT_EQ(saved.size(), 43u);
    EXPECT_EQ(saved[4], 0xF9);                                                      // reserved item 1, little-endian
    EXPECT_EQ(Bytes(saved.begin() + 28, saved.begin() + 30), (Bytes{0x20, 0xD1}));  // TxOffset
    EXPECT_EQ(saved[36], 1);                                                        // DirectSelect
    EXPECT_EQ(saved[42], 0xEE);

    host.fw.Settings = {};
    LoadSettings(host.fw);
    EXPECT_EQ(host.fw.Settings.ActiveFreq, 108025);
    EXPECT_EQ(host.fw.Settings.TxOffset, -12000);
    EXPECT_EQ(host.fw.Settings.Reserved29, 0xEE);
    SaveSettings(host.fw);
    EXPECT_EQ(ReadBytes(path), saved);
}

// The whole layout: a file whose byte i is i gives every item the bytes of its
// own offsets, so two items that traded places would read each other's.
TEST_F(SettingsStoreTest, EveryItemReadsTheBytesAtItsOwnOffsetsAndWritesThemBack) {
    Bytes numbered(43);
    std::iota(numbered.begin(), numbered.end(), uint8_t{0});
    WriteBytes(path, numbered);
    LoadSettings(host.fw);
    const EepromSettingsRecord& e = host.fw.Settings;
    const struct {
        const char* item;
        int64_t value;
        int offset;
        int size;
    } rows[] = {
        {"Reserved0", e.Reserved0, 0, 4},
        {"Reserved1", e.Reserved1, 4, 4},
        {"ActiveFreq", e.ActiveFreq, 8, 4},
        {"StandbyFreq", e.StandbyFreq, 12, 4},
        {"Contrast", e.Contrast, 16, 1},
        {"Volume", e.Volume, 17, 1},
        {"SquelchSetting", e.SquelchSetting, 18, 1},
        {"MicLevel", e.MicLevel, 19, 1},
        {"ScanAtPowerUp", e.ScanAtPowerUp, 20, 1},
        {"DualMode", e.DualMode, 21, 1},
        {"AuxOpenLevel", e.AuxOpenLevel, 22, 1},
        {"ChannelIndex", e.ChannelIndex, 23, 1},
        {"ChannelSelected", e.ChannelSelected, 24, 1},
        {"AuxMuteLevel", e.AuxMuteLevel, 25, 1},
        {"NoiseLevel", e.NoiseLevel, 26, 1},
        {"NoiseMode", e.NoiseMode, 27, 1},
        {"TxOffset", e.TxOffset, 28, 2},
        {"MicInvert", e.MicInvert, 30, 1},
        {"MicFilter", e.MicFilter, 31, 1},
        {"PttIsolate", e.PttIsolate, 32, 1},
        {"TxHotMic", e.TxHotMic, 33, 1},
        {"TxLock", e.TxLock, 34, 1},
        {"PriorityScan", e.PriorityScan, 35, 1},
        {"DirectSelect", e.DirectSelect, 36, 1},
        {"Reserved24", e.Reserved24, 37, 1},
        {"Reserved25", e.Reserved25, 38, 1},
        {"Reserved26", e.Reserved26, 39, 1},
        {"Reserved27", e.Reserved27, 40, 1},
        {"Reserved28", e.Reserved28, 41, 1},
        {"Reserved29", e.Reserved29, 42, 1},
    };
    for (const auto& row : rows) {
        int64_t expected = 0;  // little-endian: the byte at offset + k is k bytes up
        for (int k = row.size - 1; k >= 0; --k) expected = expected * 256 + row.offset + k;
        EXPECT_EQ(row.value, expected) << row.item;
    }
    SaveSettings(host.fw);
    EXPECT_EQ(ReadBytes(path), numbered);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(SettingsStoreTest, ShortFilesGiveZeroForEveryItemNotHeldWhole) {
    WriteBytes(path, Bytes(kDefaultBytes.begin(), kDefaultBytes.begin() + 20));
    LoadAsTheRunDoes();
    EXPECT_EQ(host.fw.Settings.StandbyFreq, 126000);
    EXPECT_EQ(host.fw.Settings.MicLevel, 3);
    EXPECT_EQ(host.fw.Settings.ScanAtPowerUp, 0);
    EXPECT_EQ(host.fw.Settings.AuxOpenLevel, 0);
    EXPECT_EQ(host.fw.Settings.TxOffset, 0);

    WriteBytes(path, Bytes(kDefaultBytes.begin(), kDefaultBytes.begin() + 10));
    LoadAsTheRunDoes();
    EXPECT_EQ(host.fw.Settings.ActiveFreq, 123450);  // only two of its four bytes: 0, outside the band
    EXPECT_EQ(host.fw.Settings.Volume, 0);
    EXPECT_EQ(ReadBytes(path).size(), 10u);  // loading never rewrites the file

    Bytes longer = kDefaultBytes;
    longer.resize(60, 0x55);
    WriteBytes(path, longer);
    LoadAsTheRunDoes();
    EXPECT_EQ(host.fw.Settings.Reserved29, 0);
    EXPECT_TRUE(host.errors.empty());
}

// A file of any bytes: each item with a range takes its default for a value
// outside it and keeps a value inside it, also at both ends; an item without
// a range keeps whatever it holds. Each value is loaded and saved again.
TEST_F(SettingsStoreTest, ValuesOutsideTheFirmwaresRangesTakeTheirDefaults) {
    Bytes vox = kDefaultBytes;
    vox[27] = 1;  // NoiseMode VOX standard: levels up to 10
    struct Item {
        std::size_t offset;
        int size;
        std::vector<int32_t> outside, inside;
        const Bytes& base;
    };
    // clang-format off
    const Item items[] = {
        {8,  4, {107975, 136976, 137000, 121510, INT32_MIN}, {108000, 136975, 121525}, kDefaultBytes},  // ActiveFreq
        {12, 4, {0, -118000, 118010},                        {108000, 136975},         kDefaultBytes},  // StandbyFreq
        {16, 1, {19, 64, 255},                               {20, 63},                 kDefaultBytes},  // Contrast
        {17, 1, {32, 128},                                   {0, 31},                  kDefaultBytes},  // Volume
        {18, 1, {64},                                        {0, 63},                  kDefaultBytes},  // SquelchSetting
        {19, 1, {4},                                         {0, 3},                   kDefaultBytes},  // MicLevel
        {21, 1, {3},                                         {0, 2},                   kDefaultBytes},  // DualMode
        {22, 1, {32},                                        {0, 31},                  kDefaultBytes},  // AuxOpenLevel
        {23, 1, {100},                                       {0, 99},                  kDefaultBytes},  // ChannelIndex
        {25, 1, {64},                                        {0, 31},                  kDefaultBytes},  // AuxMuteLevel
        {26, 1, {7},                                         {0, 6},                   kDefaultBytes},  // NoiseLevel, VOGAD
        {26, 1, {11},                                        {10},                     vox},            // NoiseLevel, VOX
        {27, 1, {3},                                         {0, 2},                   kDefaultBytes},  // NoiseMode
        {28, 2, {32001, -33000, 2500},                       {-32000, 32000, 0},       kDefaultBytes},  // TxOffset
        {31, 1, {},                                          {0, 1, 77, 255},          kDefaultBytes},  // MicFilter
    };
    // clang-format on
    for (const Item& item : items) {
        for (const bool outside : {true, false}) {
            for (const int32_t value : outside ? item.outside : item.inside) {
                Bytes bytes = item.base;
                if (item.size == 4) WriteLe32(&bytes[item.offset], value);
                if (item.size == 2) WriteLe16(&bytes[item.offset], static_cast<int16_t>(value));
                if (item.size == 1) bytes[item.offset] = static_cast<uint8_t>(value);
                WriteBytes(path, bytes);
                LoadAsTheRunDoes();
                SaveSettings(host.fw);
                EXPECT_EQ(ReadBytes(path), outside ? item.base : bytes) << "offset " << item.offset << ": " << value;
            }
        }
    }
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsReportedAndNeverOverwritten) {
    std::filesystem::create_directory(path);  // exists, but reading it fails
    host.fw.Settings.Volume = 3;
    LoadSettings(host.fw);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find(path), std::string::npos);
    EXPECT_EQ(host.fw.Settings.Volume, 20);  // the defaults

    host.fw.Settings.Volume = 9;
    SaveSettings(host.fw);
    EXPECT_EQ(host.errors.size(), 1u);  // no attempt, so no failure either
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(host.Directory()), {}), 1);
}

TEST_F(SettingsStoreTest, AFailedSaveIsReportedOnceKeepsTheSettingsAndIsRetried) {
    LoadSettings(host.fw);
    host.fw.WriteSeams.fault = FailEveryWrite;
    host.fw.Settings.Volume = 30;
    SaveSettings(host.fw);
    SaveSettings(host.fw);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("Disk full"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), kDefaultBytes);
    EXPECT_EQ(host.fw.Settings.Volume, 30);

    host.fw.WriteSeams.fault = nullptr;
    SaveSettings(host.fw);
    EXPECT_EQ(ReadBytes(path)[17], 30);
    host.fw.WriteSeams.fault = FailEveryWrite;
    SaveSettings(host.fw);
    EXPECT_EQ(host.errors.size(), 2u);  // a new failure after a success is news again
}

TEST_F(SettingsStoreTest, AMissingFileThatCannotBeCreatedLeavesTheDefaultsInMemory) {
    host.fw.WriteSeams.fault = FailEveryWrite;
    LoadSettings(host.fw);
    EXPECT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.fw.Settings.ActiveFreq, 123450);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// The kernel's own refusals: a program folder that may not be written, with
// and without a settings file in it. Each failure is reported once, naming
// the file; nothing is created or changed; the settings stay in memory.
TEST_F(SettingsStoreTest, AReadOnlyProgramFolderIsReportedOnceAndLeftAsItWas) {
    ::chmod(host.Directory().c_str(), 0555);
    {
        FilePermissionsEnforced enforced;
        LoadSettings(host.fw);  // no file yet: creating it fails
        host.fw.Settings.Volume = 7;
        SaveSettings(host.fw);
    }
    ::chmod(host.Directory().c_str(), 0755);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find(path), std::string::npos);
    EXPECT_NE(host.errors[0].find("File access denied"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(host.fw.Settings.Volume, 7);

    WriteBytes(path, kDefaultBytes);
    host.fw.Store = {};           // a new run of the program: the same problem is news again
    ::chmod(path.c_str(), 0444);  // a file that may be written would be written in place
    ::chmod(host.Directory().c_str(), 0555);
    {
        FilePermissionsEnforced enforced;
        LoadSettings(host.fw);
        host.fw.Settings.Volume = 8;
        SaveSettings(host.fw);
        SaveSettings(host.fw);
    }
    ::chmod(host.Directory().c_str(), 0755);
    EXPECT_EQ(host.errors.size(), 2u);
    EXPECT_EQ(ReadBytes(path), kDefaultBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(host.Directory()), {}), 1);
}

TEST_F(SettingsStoreTest, ADiskThatFillsUpWhileSavingLeavesTheOldFile) {
    LoadSettings(host.fw);
    host.fw.Settings.Volume = 30;
    {
        FileSizeLimit limit(20);  // the 43 bytes are cut short after 20
        SaveSettings(host.fw);
    }
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("Disk full"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), kDefaultBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(host.Directory()), {}), 1);
}

// The emulator starts again at every fall-back from online to offline. A
// settings file it cannot read, or cannot create, is reported at the first
// of these runs only, until the program starts afresh.
TEST(SettingsReportTest, AProblemWithTheFileIsReportedOncePerRunOfTheProgram) {
    const struct {
        const char* problem;
        void (*make)(const std::string& directory);
    } rows[] = {
        {"e2.dfd is a folder", [](const std::string& d) { std::filesystem::create_directory(d + "e2.dfd"); }},
        {"the program folder is read-only", [](const std::string& d) { ::chmod(d.c_str(), 0555); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.problem);
        ScriptedHost host;
        row.make(host.Directory());
        {
            FilePermissionsEnforced enforced;
            for (uint32_t run = 1; run <= 3; ++run) host.RunUntilTick(run * 130);
            EXPECT_EQ(host.errors.size(), 1u);

            Firmware nextProgramRun(host, host.Display(), host.db, host.help, host.fw.SettingsPath);
            LoadSettings(nextProgramRun);
            EXPECT_EQ(host.errors.size(), 2u);
        }
        ::chmod(host.Directory().c_str(), 0755);
    }
}

}  // namespace
