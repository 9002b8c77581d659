#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "comm/port_names.h"
#include "common/program_directory.h"
#include "shell/ini_file.h"

namespace {

TEST(PortNamesTest, ComNamesMapThroughThePortsSectionOrToSerialPorts) {
    const IniFile ini = IniFile::Parse("[Setup]\r\nCOM3=/dev/wrong\r\n[ports]\r\ncom3 = /dev/ttyUSB0\r\nCOM4=\r\n");
    EXPECT_EQ(DevicePathOf("COM3", ini), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathOf("Com3", ini), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathOf("COM4", ini), "/dev/ttyS3");  // an empty mapping is no mapping
    EXPECT_EQ(DevicePathOf("COM1", ini), "/dev/ttyS0");
    EXPECT_EQ(DevicePathOf("Com2", ini), "/dev/ttyS1");
    EXPECT_EQ(DevicePathOf("COM16", ini), "/dev/ttyS15");
    EXPECT_EQ(DevicePathOf("COM256", ini), "/dev/ttyS255");
    EXPECT_EQ(DevicePathOf("/dev/pts/7", ini), "/dev/pts/7");
    for (const char* nothing : {"", "COM", "COM0", "COM-1", "COM1x", "LPT1", "ttyS0"})
        EXPECT_EQ(DevicePathOf(nothing, ini), "") << nothing;
}

TEST(PortNamesTest, TheSettingsFileIsReadAtEveryLookUp) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("vhfcom-port-names-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    SetProgramDirectory(dir.string() + "/");
    std::filesystem::remove(dir / "RADIO.INI");
    EXPECT_EQ(DevicePathOf("COM2"), "/dev/ttyS1");
    std::ofstream(dir / "RADIO.INI") << "[Ports]\nCOM2=/dev/serial/by-id/usb-adapter\n";
    EXPECT_EQ(DevicePathOf("COM2"), "/dev/serial/by-id/usb-adapter");
    SetProgramDirectory("");
    std::filesystem::remove_all(dir);
}

}  // namespace
