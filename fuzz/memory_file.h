#pragma once
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

// A regular file that lives in memory only, holding the fuzzer's input, with
// a path any open() takes: the targets read it as they read a file on disk,
// without a disk.
class MemoryFile {
public:
    MemoryFile(const uint8_t* data, std::size_t size) : fd_(::memfd_create("fuzz-input", MFD_CLOEXEC)) {
        for (std::size_t done = 0; fd_ >= 0 && done < size;) {
            const ssize_t n = ::write(fd_, data + done, size - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};
