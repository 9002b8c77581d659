#include "common/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// 0 for a regular file, else the errno value it is refused with.
int KindError(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return errno;
    if (S_ISREG(info.st_mode)) return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : EACCES;
}

}  // namespace

// O_NONBLOCK keeps the open of a pipe or a terminal from waiting; on a regular
// file it changes nothing, so the descriptor is read as it is.
int OpenRegularFile(const std::string& path, int& fd) {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return errno;
    const int error = KindError(fd);
    if (error != 0) {
        ::close(fd);
        fd = -1;
    }
    return error;
}

int ReadUpTo(int fd, std::span<uint8_t> buffer, std::size_t& count) {
    count = 0;
    while (count < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + count, buffer.size() - count);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) break;
        count += static_cast<std::size_t>(n);
    }
    return 0;
}

int WriteAll(int fd, std::span<const uint8_t> bytes, std::size_t& written) {
    written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

int ReadRegularFile(const std::string& path, std::span<uint8_t> buffer, std::size_t& count) {
    count = 0;
    int fd = -1;
    if (const int error = OpenRegularFile(path, fd)) return error;
    const int error = ReadUpTo(fd, buffer, count);
    ::close(fd);
    return error;
}
