#include "session/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/atomic_file.h"

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

mode_t PermissionsFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path) : path_(path), temporary_(path + ".tmp-XXXXXX") {
    buffer_.reserve(kBufferSize);
    fd_ = ::mkstemp(temporary_.data());
    if (fd_ < 0) {
        Fail(errno);
        temporary_.clear();
    }
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
    std::size_t done = 0;
    while (cause_.empty() && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno != EINTR) Fail(errno);
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

std::string ReplacingFile::Commit() {
    if (!cause_.empty()) return cause_;
    Flush();
    if (cause_.empty() && ::fchmod(fd_, PermissionsFor(path_)) != 0) Fail(errno);
    if (cause_.empty() && ::fsync(fd_) != 0) Fail(errno);
    if (::close(fd_) != 0) Fail(errno);
    fd_ = -1;
    if (cause_.empty() && std::rename(temporary_.c_str(), path_.c_str()) != 0) Fail(errno);
    if (cause_.empty()) temporary_.clear();
    return cause_;
}

void ReplacingFile::Fail(int errnoValue) {
    if (cause_.empty()) cause_ = FileErrorText(errnoValue);
}
