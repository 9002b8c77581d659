#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/ini_file.h"
#include "ports/comms_port_opener.h"
#include "ports/port_mapping.h"
#include "ports/port_names.h"
#include "serial/comm.h"
#include "support/pty_pair.h"

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
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vhfcom-port-names-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const PortNaming naming{(dir / "RADIO.INI").string()};
    std::filesystem::remove(dir / "RADIO.INI");
    EXPECT_EQ(DevicePathOf("COM2", naming), "/dev/ttyS1");
    std::ofstream(dir / "RADIO.INI") << "[Ports]\nCOM2=/dev/serial/by-id/usb-adapter\n";
    EXPECT_EQ(DevicePathOf("COM2", naming), "/dev/serial/by-id/usb-adapter");
    std::filesystem::remove_all(dir);
}

// A mapping set before the settings file exists creates it with the mapping.
TEST(PortNamesTest, AMappingSetWithoutASettingsFileCreatesIt) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vhfcom-port-mapping-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const PortNaming naming{(dir / "RADIO.INI").string(), (dir / "ttyS").string()};
    EXPECT_EQ(SetPortMapping(naming, 3, "/dev/ttyUSB0"), "");
    EXPECT_EQ(DevicePathOf("COM3", naming), "/dev/ttyUSB0");
    EXPECT_TRUE(PortDevices(3, naming)[2].mapped);
    EXPECT_EQ(PortDevices(3, naming)[1].path, (dir / "ttyS1").string());
    std::filesystem::remove_all(dir);
}

TEST(PortNamesTest, ThePortOpenerOpensTheDeviceThePortsSectionNamesAndRemembersTheChoice) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vhfcom-port-opener-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    PtyPair pty;
    std::ofstream(dir / "RADIO.INI") << "[Setup]\r\nCommsPort=2\r\n[Ports]\r\nCOM3=" << pty.SlavePath() << "\r\n";
    TComm comm;
    CommsPortOpener ports(comm, {(dir / "RADIO.INI").string(), (dir / "ttyS").string()});
    std::vector<int> reported;
    ports.ReportNotAvailable = [&](const PortFailure& f) { reported.push_back(f.portNumber); };
    ports.Open(2);
    EXPECT_TRUE(ports.IsOpen());
    EXPECT_EQ(comm.DeviceName(), pty.SlavePath());
    ports.Open(3);  // COM4 without a mapping: ttyS3 of the scratch folder, missing
    EXPECT_FALSE(ports.IsOpen());
    EXPECT_EQ(ports.Index(), 3);
    EXPECT_EQ(reported, std::vector<int>{4});
    std::filesystem::remove_all(dir);
}

}  // namespace
