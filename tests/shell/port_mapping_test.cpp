#include <gtest/gtest.h>

#include <filesystem>

#include "common/program_directory.h"
#include "shell/port_mapping.h"
#include "shell/port_names.h"
#include "shell/radio_ini.h"
#include "shell/stable_device_links.h"
#include "support/temp_dir.h"

namespace {

class PortMappingTest : public ::testing::Test {
protected:
    PortMappingTest() {
        SetProgramDirectory(dir.WithSeparator());
        SetDefaultDeviceStem("/dev/ttyS");
    }
    TempDir dir;
};

// The mapping is written at once and the settings at close: neither write
// may lose what the other wrote.
TEST_F(PortMappingTest, MappingsAreWrittenAtOnceKeepingTheRestAndTheCloseKeepsThem) {
    dir.Write("RADIO.INI", "; by hand\r\n[Setup]\r\nCommsPort=1\r\n[Ports]\r\nCOM2=/dev/old\r\nCOM3=/dev/x\r\n");
    EXPECT_EQ(SetPortMapping(1, "/dev/serial/by-id/usb-a"), "");
    EXPECT_EQ(SetPortMapping(2, "/dev/ttyUSB1"), "");
    EXPECT_EQ(SetPortMapping(3, ""), "");  // back to the default
    EXPECT_EQ(WriteRadioIni(RadioIniPath(), {4, "/data/b.dat"}), "");
    EXPECT_EQ(dir.Read("RADIO.INI"),
              "; by hand\r\n[Setup]\r\nCommsPort=4\r\nFreqFilename=/data/b.dat\r\n[Ports]\r\nCOM2=/dev/ttyUSB1\r\n"
              "COM1=/dev/serial/by-id/usb-a\r\n");

    const std::vector<PortDevice> devices = PortDevices(4);
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0].path, "/dev/serial/by-id/usb-a");
    EXPECT_TRUE(devices[0].mapped);
    EXPECT_EQ(devices[2].path, "/dev/ttyS2");
    EXPECT_FALSE(devices[2].mapped);
}

TEST_F(PortMappingTest, APathThatIsNoAbsolutePathIsRefusedAndTheFileKept) {
    dir.Write("RADIO.INI", "[Ports]\nCOM1=/dev/a\n");
    EXPECT_EQ(SetPortMapping(1, "ttyUSB0"), "A device path begins with /");
    EXPECT_EQ(SetPortMapping(1, "/dev/a\n[Setup]"), "The device path holds a line break");
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Ports]\nCOM1=/dev/a\n");
}

TEST(StableDeviceLinksTest, LinksLeadToTheDevicesTheyResolveTo) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("by-id"));
    dir.Write("ttyUSB0", "");
    std::filesystem::create_symlink("../ttyUSB0", dir.File("by-id/usb-b-port0"));
    std::filesystem::create_symlink(dir.File("ttyUSB9"), dir.File("by-id/usb-a-gone"));  // dangling
    const std::vector<StableDeviceLink> links = StableDeviceLinks(dir.File("by-id"));
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].link, dir.File("by-id/usb-b-port0"));
    EXPECT_EQ(StableLinkOf(dir.File("by-id/../ttyUSB0"), links), dir.File("by-id/usb-b-port0"));
    EXPECT_EQ(StableLinkOf(dir.File("ttyUSB9"), links), "");
    EXPECT_TRUE(StableDeviceLinks(dir.File("no-such-folder")).empty());
}

}  // namespace
