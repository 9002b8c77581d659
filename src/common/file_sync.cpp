#include "common/file_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

int Done(FileStepWatch watch, FileStep step, const std::string& path) {
    if (watch) watch(step, path);
    return 0;
}

}  // namespace

int SyncFile(int fd, const std::string& path, bool dataOnly, FileStepWatch watch) {
    if ((dataOnly ? ::fdatasync(fd) : ::fsync(fd)) != 0) return errno;
    return Done(watch, FileStep::DataSynced, path);
}

int RenameFile(const std::string& from, const std::string& to, FileStepWatch watch) {
    if (std::rename(from.c_str(), to.c_str()) != 0) return errno;
    return Done(watch, FileStep::Renamed, to);
}

void SyncFolderOf(const std::string& path, FileStepWatch watch) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (::fsync(fd) == 0) Done(watch, FileStep::FolderSynced, folder);
    ::close(fd);
}
