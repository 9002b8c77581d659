#include "freqdb/import_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>

#include "common/atomic_file.h"
#include "common/regular_file.h"

namespace {

const std::string kTooLarge =
    "larger than " + std::to_string(MaxImportFileSize >> 20) + " MB, more than any frequency list";

bool IsOtherThanFileOrFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

// Reads the open file into `text` up to one byte beyond the bound.
std::string ReadBounded(int fd, std::string& text) {
    std::array<uint8_t, 65536> chunk{};
    std::size_t count = 0;
    do {
        if (const int error = ReadUpTo(fd, chunk, count)) return FileErrorText(error);
        text.append(reinterpret_cast<const char*>(chunk.data()), count);
        if (text.size() > MaxImportFileSize) return kTooLarge;
    } while (count == chunk.size());
    return {};
}

}  // namespace

std::string ReadImportFile(const std::string& path, std::string& text) {
    text.clear();
    if (IsOtherThanFileOrFolder(path)) return "not a regular file (a pipe, a device or a socket)";
    int fd = -1;
    if (const int error = OpenRegularFile(path, fd)) return FileErrorText(error);
    struct stat info {};
    std::string error = ::fstat(fd, &info) == 0 && static_cast<std::size_t>(info.st_size) > MaxImportFileSize
                            ? kTooLarge
                            : ReadBounded(fd, text);
    ::close(fd);
    if (!error.empty()) text.clear();
    return error;
}
