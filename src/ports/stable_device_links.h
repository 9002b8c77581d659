#pragma once
#include <string>
#include <vector>

// The links udev keeps for serial devices under names that stay the same
// across re-plugging (/dev/serial/by-id/usb-<maker>_<product>_<serial>-...),
// each with the device it points to now.
struct StableDeviceLink {
    std::string link;    // the path in the folder
    std::string device;  // where it leads, every link resolved (/dev/ttyUSB0)
};

inline constexpr const char* SerialByIdFolder = "/dev/serial/by-id";

// The links of `folder` that lead to an existing device, sorted by link; a
// missing folder (no serial adapter plugged in) gives none.
std::vector<StableDeviceLink> StableDeviceLinks(const std::string& folder = SerialByIdFolder);

// The stable link that leads to `device` (any path to it), or an empty string.
std::string StableLinkOf(const std::string& device, const std::vector<StableDeviceLink>& links);
