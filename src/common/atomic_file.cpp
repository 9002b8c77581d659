#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace {

FileWriteFault gWriteFault = nullptr;

// As many symbolic links in a row as the kernel follows in a path.
constexpr int kLinkHops = 40;
constexpr int kNameAttempts = 100;
// A new file gets the usual permissions; the kernel takes the umask off.
constexpr mode_t kNewFileMode = 0666;

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

// Follows symbolic links at the end of the path, so that the file a link
// points to is replaced and the link stays. A link to a missing file names
// the file to create. Returns 0 or an errno value (ELOOP for a cycle).
int FollowLinks(std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (int hop = 0; hop < kLinkHops; ++hop) {
        if (!fs::is_symlink(fs::symlink_status(path, error))) return 0;
        const fs::path target = fs::read_symlink(path, error);
        if (error) return error.value();
        path = target.is_absolute() ? target.string() : (fs::path(path).parent_path() / target).string();
    }
    return ELOOP;
}

std::string RandomSuffix() {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kLetters[pick(random)];
    return suffix;
}

// A new file beside `path` under a name no file has, created with `mode`
// directly (no umask change, which would race with other threads creating
// files). Returns its descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::string& path, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = path + ".tmp-" + RandomSuffix();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The fallback for a folder that takes no new file: the file is overwritten
// where it is. Not atomic, so a failure part way can leave it damaged.
std::string WriteInPlace(const std::string& path, std::span<const uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return FileErrorText(errno);
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error == 0 ? std::string() : FileErrorText(error);
}

// The rename is in the folder's entries: they are flushed too, or a crash
// could bring the old file back. The new file is in place by then, so a
// folder that cannot be synced changes nothing the caller could act on.
void SyncFolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool PermissionRefusal(int error) { return error == EACCES || error == EPERM; }

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

std::string WriteFileAtomically(const std::string& requested, std::span<const uint8_t> bytes) {
    std::string path = requested;
    if (const int error = FollowLinks(path)) return FileErrorText(error);
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    const mode_t mode = replacing ? existing.st_mode & 07777 : kNewFileMode;

    std::string name;
    const int fd = CreateTemporaryBeside(path, mode, name);
    if (fd < 0) {
        const int error = errno;
        if (replacing && PermissionRefusal(error)) return WriteInPlace(path, bytes);
        return FileErrorText(error);
    }
    int error = WriteAll(fd, bytes);
    // The kernel took the umask off at the creation: the replaced file's
    // permissions are kept exactly.
    if (error == 0 && replacing && ::fchmod(fd, mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(name.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(name.c_str());
        return FileErrorText(error);
    }
    SyncFolderOf(path);
    return {};
}
