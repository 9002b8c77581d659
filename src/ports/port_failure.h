#pragma once
#include <cstdint>
#include <string>

// Why a serial port could not be opened, in the terms a user can act on.
enum class PortFailureCause {
    NoSuchDevice,      // nothing at the path, or no hardware behind the node
    PermissionDenied,  // the user may not open it (not in the group dialout)
    InUse,             // another program holds it
    NotSerialDevice,   // a file or device that is no terminal
    Other,             // anything else; the detail says what
};

struct PortFailure {
    int portNumber = 0;  // n of COMn, the port chosen
    std::string device;  // the path that was opened
    PortFailureCause cause = PortFailureCause::Other;
    std::string detail;  // for Other: the cause in words
};

// The cause behind the code of an ECommError raised while the device was
// being opened: an errno value, or -1 for an object that is not a terminal.
PortFailureCause PortFailureCauseOf(int32_t errorCode);
