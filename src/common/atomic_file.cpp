#include "common/atomic_file.h"

#include <cerrno>
#include <cstring>

#include "common/replacing_file.h"

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

std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, const FileWriteSeams& seams) {
    ReplacingFile file(path, seams);
    file.Write(bytes.data(), bytes.size());
    return file.Commit();
}
