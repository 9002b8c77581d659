#pragma once
#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

// Real file-system faults for tests, raised by the kernel rather than by the
// WriteFileAtomically seam, so that every step of a write (creating the
// temporary file, short writes, rename) meets them as in the field.

// While it lives, the calling thread obeys file permissions even as root: it
// drops CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH from its effective
// capabilities (they stay permitted and come back at the end). The tests run
// as root in CI, and root may write into a read-only folder; without these two
// capabilities the kernel refuses as it would for any other user. Without
// root it changes nothing, and the permissions apply anyway. `alsoDropped`
// names further capabilities to lack, such as CAP_SYS_ADMIN, with which root
// opens a terminal that another program made exclusive (TIOCEXCL).
class FilePermissionsEnforced {
public:
    explicit FilePermissionsEnforced(uint32_t alsoDropped = 0) {
        Capabilities(SYS_capget, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(Bit(CAP_DAC_OVERRIDE) | Bit(CAP_DAC_READ_SEARCH) | alsoDropped);
        Capabilities(SYS_capset, reduced);
    }
    ~FilePermissionsEnforced() { Capabilities(SYS_capset, saved_); }
    FilePermissionsEnforced(const FilePermissionsEnforced&) = delete;
    FilePermissionsEnforced& operator=(const FilePermissionsEnforced&) = delete;

    static uint32_t Bit(int capability) { return 1u << capability; }

private:
    static void Capabilities(long call, __user_cap_data_struct* data) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        ::syscall(call, &header, data);
    }
    __user_cap_data_struct saved_[2]{};
};

// While it lives, no file of this process may grow beyond `bytes`
// (RLIMIT_FSIZE), as on a disk that fills up: a write that crosses the limit
// writes what fits, the next one fails with EFBIG. SIGXFSZ is ignored
// meanwhile, so the failure comes back as an error instead of ending the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t previousHandler_ = SIG_DFL;
};
