#include "freqdb/import_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "common/atomic_file.h"
#include "common/text_file.h"

namespace {

bool IsOtherThanFileOrFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

}  // namespace

std::string ReadImportFile(const std::string& path, std::string& text) {
    text.clear();
    if (IsOtherThanFileOrFolder(path)) return "not a regular file (a pipe, a device or a socket)";
    const int error = ReadTextFile(path, text, MaxImportFileSize);
    if (error == EFBIG)
        return "larger than " + std::to_string(MaxImportFileSize >> 20) + " MB, more than any frequency list";
    return error == 0 ? std::string() : FileErrorText(error);
}
