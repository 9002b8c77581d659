#include "common/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "common/atomic_file.h"
#include "common/file_sync.h"
#include "common/regular_file.h"

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;
// As many symbolic links in a row as the kernel follows in a path.
constexpr int kLinkHops = 40;
constexpr int kNameAttempts = 100;
// A new file gets the usual permissions; the kernel takes the umask off.
constexpr mode_t kNewFileMode = 0666;

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
    std::random_device random;
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

bool PermissionRefusal(int error) { return error == EACCES || error == EPERM; }

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path, const FileWriteSeams& seams) : seams_(seams), path_(path) {
    buffer_.reserve(kBufferSize);
    Open();
}

void ReplacingFile::Open() {
    if (const int error = FollowLinks(path_)) return Fail(error);
    struct stat existing {};
    replacing_ = ::stat(path_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    mode_ = replacing_ ? existing.st_mode & 07777 : kNewFileMode;
    fd_ = CreateTemporaryBeside(path_, mode_, temporary_);
    if (fd_ >= 0) return;
    const int error = errno;
    temporary_.clear();
    if (!replacing_ || !PermissionRefusal(error)) return Fail(error);
    // A folder that takes no new file: the file itself, where it is.
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0) Fail(errno);
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void ReplacingFile::Write(const void* data, std::size_t size) {
    if (!cause_.empty()) return;
    const auto* bytes = static_cast<const uint8_t*>(data);
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    if (buffer_.size() >= kBufferSize) Flush();
}

void ReplacingFile::Flush() {
    if (cause_.empty()) {
        std::size_t done = 0;
        int error = seams_.fault ? seams_.fault(written_) : 0;
        if (error == 0) error = WriteAll(fd_, buffer_, done);
        written_ += done;
        if (error != 0) Fail(error);
    }
    buffer_.clear();
}

std::string ReplacingFile::Commit() {
    if (cause_.empty()) Flush();
    const bool inPlace = temporary_.empty();
    if (cause_.empty() && inPlace && ::ftruncate(fd_, static_cast<off_t>(written_)) != 0) Fail(errno);
    // The kernel took the umask off at the creation: the replaced file's
    // permissions are kept exactly.
    if (cause_.empty() && !inPlace && replacing_ && ::fchmod(fd_, mode_) != 0) Fail(errno);
    if (const int error = cause_.empty() ? SyncFile(fd_, inPlace ? path_ : temporary_, false, seams_.watch) : 0)
        Fail(error);
    if (fd_ >= 0 && ::close(fd_) != 0) Fail(errno);
    fd_ = -1;
    if (!cause_.empty() || inPlace) return cause_;
    if (const int error = RenameFile(temporary_, path_, seams_.watch)) {
        Fail(error);
        return cause_;
    }
    temporary_.clear();
    SyncFolderOf(path_, seams_.watch);
    return cause_;
}

void ReplacingFile::Fail(int errnoValue) {
    if (cause_.empty()) cause_ = FileErrorText(errnoValue);
}
