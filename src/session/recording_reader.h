#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/recording_format.h"

// Reads a recording from the start, one record at a time, with a fixed
// buffer whatever the file's length. Any thread, one thread at a time.
class RecordingReader {
public:
    // Opens the file and checks its header. A file that holds only the start
    // of a header is a recording cut at byte 0 that holds nothing.
    explicit RecordingReader(const std::string& path);
    ~RecordingReader();
    RecordingReader(const RecordingReader&) = delete;
    RecordingReader& operator=(const RecordingReader&) = delete;

    // Empty while all is well; otherwise one sentence naming the file and why
    // it cannot be read: not a recording, a version this program does not
    // read, or the system's cause.
    const std::string& Error() const { return error_; }

    // The next complete record; its bytes stay valid until the next call.
    // Nothing at the end of the file, where it was cut, or on an error.
    std::optional<recording_format::Record> Next();

    // Once Next gave nothing: the offset of the record the file ends inside
    // (0 when it ends inside the header), or nothing when it ends cleanly.
    std::optional<uint64_t> CutAt() const { return cutAt_; }

private:
    void ReadHeader();
    // Moves the unread bytes to the front and reads more after them.
    bool Fill();

    std::string path_;
    std::string error_;
    int fd_ = -1;
    std::vector<uint8_t> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    uint64_t offset_ = 0;  // file offset of buffer_[begin_]
    bool atEnd_ = false;
    std::optional<uint64_t> cutAt_;
};
