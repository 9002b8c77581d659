#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

FileWriteFault gWriteFault = nullptr;

// Writes all bytes, retrying short writes; returns 0 or an errno value.
int WriteAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (gWriteFault) {
            if (const int fault = gWriteFault(done)) return fault;
        }
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

std::string TemporaryTemplateFor(const std::string& path) { return path + ".tmp-XXXXXX"; }

// mkstemp creates the file 0600: keep the permissions of the file being
// replaced, or give a new file the usual ones.
mode_t PermissionsFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string FileErrorText(int errnoValue) {
    switch (errnoValue) {
        case ENOENT: return "File not found";
        case ENOTDIR: return "Path not found";
        case EACCES:
        case EPERM:
        case EROFS: return "File access denied";
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return "Disk full";
        case EMFILE:
        case ENFILE: return "Too many open files";
        case EISDIR: return "Is a directory";
        default: return std::strerror(errnoValue);
    }
}

void SetFileWriteFault(FileWriteFault fault) { gWriteFault = fault; }

std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    std::string tmpl = TemporaryTemplateFor(path);
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return FileErrorText(errno);

    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fchmod(fd, PermissionsFor(path)) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(name.data(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(name.data());
        return FileErrorText(error);
    }
    return {};
}
