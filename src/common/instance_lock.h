#pragma once
#include <string>

// Keeps a second copy of the program away from the settings files of a
// running one: an exclusive lock on a file in the settings folder, held for
// the life of the object. The kernel drops the lock when the process ends,
// however it ends, so a copy that crashed never blocks the next start.
class InstanceLock {
public:
    // Takes the lock on `folder` + ".vhfcom.lock"; see Held().
    explicit InstanceLock(const std::string& folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Whether this copy holds the lock. False when another copy holds it, or
    // when the lock file cannot be opened (then Error() says why).
    bool Held() const { return held_; }
    const std::string& Error() const { return error_; }

private:
    int fd_ = -1;
    bool held_ = false;
    std::string error_;
};
