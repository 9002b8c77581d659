#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

// Counts the read() calls the calling thread makes, and the bytes they
// return, between Start and Stop, from the kernel's per-thread accounting in
// /proc/thread-self/io. The meter's own read of that file is taken off, so
// the figures are exact as long as the thread reads nothing else meanwhile.
class ThreadReadMeter {
public:
    struct Reads {
        uint64_t calls = 0;
        uint64_t bytes = 0;
    };

    void Start() { start_ = Snapshot(); }
    Reads Stop() {
        const Snapshot end = Snapshot();
        return {end.calls - start_.calls - 1, end.bytes - start_.bytes - start_.ownBytes};
    }

private:
    struct Snapshot {
        uint64_t calls = 0;
        uint64_t bytes = 0;
        uint64_t ownBytes = 0;  // what reading the snapshot added to `bytes`

        Snapshot() {
            char text[512];
            const int fd = ::open("/proc/thread-self/io", O_RDONLY | O_CLOEXEC);
            const ssize_t n = fd >= 0 ? ::read(fd, text, sizeof text - 1) : -1;
            if (fd >= 0) ::close(fd);
            if (n <= 0) return;
            text[n] = '\0';
            bytes = Field(text, "rchar:");
            calls = Field(text, "syscr:");
            ownBytes = static_cast<uint64_t>(n);
        }
        static uint64_t Field(const char* text, const char* name) {
            const char* at = std::strstr(text, name);
            return at ? std::strtoull(at + std::strlen(name), nullptr, 10) : 0;
        }
    };
    Snapshot start_;
};
