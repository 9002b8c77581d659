#include "common/text_file.h"

#include <unistd.h>

#include <array>
#include <cstdint>

#include "common/regular_file.h"

int ReadTextFile(const std::string& path, std::string& text) {
    text.clear();
    int fd = -1;
    if (const int error = OpenRegularFile(path, fd)) return error;
    std::array<uint8_t, 4096> chunk{};
    std::size_t count = 0;
    int error = 0;
    do {
        error = ReadUpTo(fd, chunk, count);
        text.append(reinterpret_cast<const char*>(chunk.data()), count);
    } while (error == 0 && count == chunk.size());
    ::close(fd);
    return error;
}
