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
    std::string detail;            // for Other: the cause in words
    bool deviceOfThisRun = false;  // the device was given for this run, not by its COMn
    std::string groupToJoin;       // for PermissionDenied: the group that would let the user in
};

// The cause behind the code of an ECommError raised while the device was
// being opened: an errno value, or -1 for an object that is not a terminal.
PortFailureCause PortFailureCauseOf(int32_t errorCode);

// The group whose members may read and write the device, when the user is
// not one of them; empty when joining a group would not help (the group may
// not read and write it, the user is a member already, it has no name).
std::string GroupThatWouldGrant(const std::string& device);
