#include "common/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "common/regular_file.h"

namespace {

bool LargerThan(int fd, std::size_t limit) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && static_cast<std::size_t>(info.st_size) > limit;
}

int ReadAll(int fd, std::string& text, std::size_t limit) {
    std::array<uint8_t, 65536> chunk{};
    std::size_t count = 0;
    do {
        if (const int error = ReadUpTo(fd, chunk, count)) return error;
        text.append(reinterpret_cast<const char*>(chunk.data()), count);
        if (text.size() > limit) return EFBIG;
    } while (count == chunk.size());
    return 0;
}

}  // namespace

int ReadTextFile(const std::string& path, std::string& text, std::size_t limit) {
    text.clear();
    int fd = -1;
    if (const int error = OpenRegularFile(path, fd)) return error;
    const int error = LargerThan(fd, limit) ? EFBIG : ReadAll(fd, text, limit);
    ::close(fd);
    if (error != 0) text.clear();
    return error;
}
