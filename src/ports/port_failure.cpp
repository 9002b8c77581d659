#include "ports/port_failure.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

struct CodeCause {
    int32_t code;
    PortFailureCause cause;
};

// ENXIO, ENODEV and EIO are what a device node without its hardware or
// driver gives at open (a /dev/ttyS port the machine does not have, an
// adapter on its way out).
constexpr CodeCause kCauses[] = {
    {ENOENT, PortFailureCause::NoSuchDevice},    {ENOTDIR, PortFailureCause::NoSuchDevice},
    {ENXIO, PortFailureCause::NoSuchDevice},     {ENODEV, PortFailureCause::NoSuchDevice},
    {EIO, PortFailureCause::NoSuchDevice},       {EACCES, PortFailureCause::PermissionDenied},
    {EPERM, PortFailureCause::PermissionDenied}, {EBUSY, PortFailureCause::InUse},
    {-1, PortFailureCause::NotSerialDevice},
};

bool UserInGroup(gid_t group) {
    if (::getegid() == group) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), group) != groups.begin() + std::max(count, 0);
}

}  // namespace

PortFailureCause PortFailureCauseOf(int32_t errorCode) {
    for (const CodeCause& entry : kCauses)
        if (entry.code == errorCode) return entry.cause;
    return PortFailureCause::Other;
}

std::string GroupThatWouldGrant(const std::string& device) {
    struct stat status {};
    if (::stat(device.c_str(), &status) != 0) return {};
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    if ((status.st_mode & kGroupReadWrite) != kGroupReadWrite || UserInGroup(status.st_gid)) return {};
    const group* entry = ::getgrgid(status.st_gid);
    return entry != nullptr && entry->gr_name != nullptr ? entry->gr_name : std::string();
}
