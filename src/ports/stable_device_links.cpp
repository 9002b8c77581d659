#include "ports/stable_device_links.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<StableDeviceLink> StableDeviceLinks(const std::string& folder) {
    std::vector<StableDeviceLink> links;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code unresolved;
        const fs::path device = fs::canonical(entry.path(), unresolved);
        if (!unresolved) links.push_back({entry.path().string(), device.string()});
    }
    std::sort(links.begin(), links.end(), [](const auto& a, const auto& b) { return a.link < b.link; });
    return links;
}

std::string StableLinkOf(const std::string& device, const std::vector<StableDeviceLink>& links) {
    std::error_code error;
    const fs::path resolved = fs::canonical(device, error);
    if (error) return {};
    const auto found = std::find_if(links.begin(), links.end(), [&](const auto& l) { return l.device == resolved; });
    return found == links.end() ? std::string() : found->link;
}
