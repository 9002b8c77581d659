#pragma once
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/atomic_file.h"

// A file replaced as a whole, written piece by piece: the bytes go to a
// temporary file beside the target, created with the permissions of the file
// it replaces (a new file gets the usual ones, less the umask); Commit
// flushes it to disk, renames it over the target and flushes the folder. A
// crash or a failure on the way leaves the target as it was and no temporary
// file behind.
//
// A symbolic link is followed: the file it points to is replaced and the link
// stays. A file that may be written in a folder that takes no new file (a
// read-only folder) is overwritten in place instead, which is not atomic.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::string& path, const FileWriteSeams& seams = {});
    // Removes the temporary file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Buffered. After the first failure, writes are dropped.
    void Write(const void* data, std::size_t size);
    // Writes the rest and puts the file in place. Returns an empty string or
    // the cause of the first failure, in words ("Disk full", ...).
    std::string Commit();
    // The cause of the first failure so far, or an empty string.
    const std::string& Cause() const { return cause_; }

private:
    void Open();
    void Flush();
    void Fail(int errnoValue);

    FileWriteSeams seams_;
    std::string path_;       // the file replaced, links followed
    std::string temporary_;  // empty when writing in place or once committed
    int fd_ = -1;
    bool replacing_ = false;
    mode_t mode_ = 0;
    std::size_t written_ = 0;
    std::vector<uint8_t> buffer_;
    std::string cause_;
};
