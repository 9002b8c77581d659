#include "common/file_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

std::atomic<FileStepWatch> gWatch{nullptr};

int Done(FileStep step, const std::string& path) {
    if (const FileStepWatch watch = gWatch.load()) watch(step, path);
    return 0;
}

}  // namespace

void SetFileStepWatch(FileStepWatch watch) { gWatch = watch; }

int SyncFile(int fd, const std::string& path, bool dataOnly) {
    if ((dataOnly ? ::fdatasync(fd) : ::fsync(fd)) != 0) return errno;
    return Done(FileStep::DataSynced, path);
}

int RenameFile(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) return errno;
    return Done(FileStep::Renamed, to);
}

void SyncFolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (::fsync(fd) == 0) Done(FileStep::FolderSynced, folder);
    ::close(fd);
}
