#include <gtest/gtest.h>

#include <filesystem>

#include "ports/stable_device_links.h"
#include "support/temp_dir.h"

namespace {

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
