#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// An output file written under a temporary name beside its target and
// renamed over the target only once complete and synced: a failure or a
// crash on the way leaves the target as it was and no half file.
class ReplacingFile {
public:
    // Creates the temporary file; Cause() tells when that failed.
    explicit ReplacingFile(const std::string& path);
    // Removes the temporary file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Buffered. After the first failure, writes are dropped.
    void Write(const void* data, std::size_t size);
    // Writes the rest, syncs, gives the file the target's permissions (the
    // usual ones for a new file) and renames it over the target. Returns an
    // empty string or the cause of the first failure, in words.
    std::string Commit();
    // The cause of the first failure so far, or an empty string.
    const std::string& Cause() const { return cause_; }

private:
    void Flush();
    void Fail(int errnoValue);

    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    std::vector<uint8_t> buffer_;
    std::string cause_;
};
