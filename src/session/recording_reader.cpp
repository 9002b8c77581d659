#include "session/recording_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/atomic_file.h"
#include "common/regular_file.h"

namespace rf = recording_format;

namespace {

// Room for the largest record, read in large blocks.
constexpr std::size_t kBufferSize = std::size_t{256} * 1024;
static_assert(kBufferSize >= rf::RecordHeaderSize + rf::MaxRecordBytes);

}  // namespace

RecordingReader::RecordingReader(const std::string& path) : path_(path), buffer_(kBufferSize) {
    if (const int error = OpenRegularFile(path, fd_); error != 0) {
        error_ = path + " cannot be read: " + FileErrorText(error) + ".";
        return;
    }
    ReadHeader();
}

RecordingReader::~RecordingReader() {
    if (fd_ >= 0) ::close(fd_);
}

void RecordingReader::ReadHeader() {
    while (!atEnd_ && end_ < rf::HeaderSize)
        if (!Fill()) return;
    const auto expected = rf::FileHeader();
    const std::size_t held = std::min(end_, rf::HeaderSize);
    if (held < rf::HeaderSize &&
        std::equal(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(held), expected.begin())) {
        cutAt_ = 0;
        begin_ = end_;
        return;
    }
    if (held < rf::HeaderSize || !std::equal(rf::Magic.begin(), rf::Magic.end(), buffer_.begin())) {
        error_ = path_ + " is not a recording: it does not start as one.";
        return;
    }
    const uint64_t version = rf::ReadLe(buffer_.data() + rf::HeaderVersion.offset, rf::HeaderVersion.size);
    if (version != rf::Version) {
        error_ = path_ + " is a recording of version " + std::to_string(version) +
                 ", which this program cannot read (it reads version " + std::to_string(rf::Version) + ").";
        return;
    }
    begin_ = rf::HeaderSize;
    offset_ = rf::HeaderSize;
}

std::optional<rf::Record> RecordingReader::Next() {
    if (!error_.empty() || cutAt_) return std::nullopt;
    for (;;) {
        const std::span<const uint8_t> unread(buffer_.data() + begin_, end_ - begin_);
        if (const auto record = rf::ParseRecord(unread)) {
            begin_ += record->size;
            offset_ += record->size;
            return record;
        }
        if (atEnd_) {
            if (!unread.empty()) cutAt_ = offset_;
            return std::nullopt;
        }
        if (!Fill()) return std::nullopt;
    }
}

bool RecordingReader::Fill() {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    const std::span<uint8_t> room(buffer_.data() + end_, buffer_.size() - end_);
    std::size_t read = 0;
    if (const int error = ReadUpTo(fd_, room, read); error != 0) {
        error_ = path_ + " cannot be read: " + FileErrorText(error) + ".";
        return false;
    }
    atEnd_ = read < room.size();
    end_ += read;
    return true;
}
