#include "ports/port_failure.h"

#include <cerrno>

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

}  // namespace

PortFailureCause PortFailureCauseOf(int32_t errorCode) {
    for (const CodeCause& entry : kCauses)
        if (entry.code == errorCode) return entry.cause;
    return PortFailureCause::Other;
}
