#include "session/recording_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <span>

#include "common/atomic_file.h"
#include "common/file_sync.h"
#include "common/regular_file.h"
#include "session/recording_format.h"

namespace rf = recording_format;

namespace {

constexpr std::size_t kWriteThreshold = std::size_t{64} * 1024;
constexpr std::size_t kMaxPending = std::size_t{64} * 1024 * 1024;
constexpr auto kSyncInterval = std::chrono::seconds(1);

// The size of the whole records at the start of `bytes`.
std::size_t WholeRecords(std::span<const uint8_t> bytes) {
    std::size_t whole = 0;
    while (const auto record = rf::ParseRecord(bytes.subspan(whole))) whole += record->size;
    return whole;
}

bool IsRegularFile(const struct stat& info) { return S_ISREG(info.st_mode); }

// Creates or empties the file and writes the header: the descriptor, or -1
// with the cause in words.
int CreateRecording(const std::string& path, std::string& cause) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !IsRegularFile(info)) {
        cause = "it is not a regular file";
        return -1;
    }
    // O_NONBLOCK keeps a FIFO put in place meanwhile from blocking the open;
    // regular files ignore it.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        cause = FileErrorText(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !IsRegularFile(info)) {
        ::close(fd);
        cause = "it is not a regular file";
        return -1;
    }
    std::size_t written = 0;
    const int error = ::ftruncate(fd, 0) != 0 ? errno : WriteAll(fd, rf::FileHeader(), written);
    if (error != 0) {
        ::close(fd);
        ::unlink(path.c_str());
        cause = FileErrorText(error);
        return -1;
    }
    return fd;
}

}  // namespace

std::string RecordingWriter::Start(const std::string& path, FailureHandler onFailure) {
    Stop();
    std::string cause;
    fd_ = CreateRecording(path, cause);
    if (fd_ < 0) return "Cannot record to " + path + ": " + cause + ".";
    path_ = path;
    onFailure_ = std::move(onFailure);
    fileSize_ = rf::HeaderSize;
    started_ = now_();
    running_ = true;
    thread_ = std::thread([this] { Run(); });
    return {};
}

void RecordingWriter::Append(uint64_t micros, const uint8_t* bytes, std::size_t count) {
    if (!running_ || failed_) return;
    std::lock_guard lock(mutex_);
    if (overflow_) return;
    while (count > 0) {
        const std::size_t chunk = std::min(count, rf::MaxRecordBytes);
        const std::size_t at = pending_.size();
        if (at + rf::RecordHeaderSize + chunk > kMaxPending) {
            overflow_ = true;
            wake_.notify_one();
            return;
        }
        pending_.resize(at + rf::RecordHeaderSize + chunk);
        uint8_t* record = pending_.data() + at;
        rf::WriteLe(record + rf::RecordTime.offset, rf::RecordTime.size, micros);
        rf::WriteLe(record + rf::RecordCount.offset, rf::RecordCount.size, chunk);
        std::memcpy(record + rf::RecordHeaderSize, bytes, chunk);
        bytes += chunk;
        count -= chunk;
    }
    if (pending_.size() >= kWriteThreshold) wake_.notify_one();
}

uint64_t RecordingWriter::MicrosecondsAt(Clock::time_point at) const {
    if (at <= started_) return 0;
    const auto elapsed = at - started_;
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
}

void RecordingWriter::Stop() {
    if (!running_) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
    ::close(fd_);
    fd_ = -1;
    running_ = false;
    pending_.clear();
    stopping_ = false;
    overflow_ = false;
    failed_ = false;
    unsynced_ = false;
}

void RecordingWriter::Run() {
    std::vector<uint8_t> writing;
    auto nextSync = started_ + kSyncInterval;
    std::unique_lock lock(mutex_);
    for (;;) {
        // Waits as long as the writer's clock says is left, however that clock runs.
        wake_.wait_for(lock, nextSync - now_(),
                       [this] { return stopping_ || overflow_ || pending_.size() >= kWriteThreshold; });
        if (overflow_) {
            lock.unlock();
            Fail("the disk does not keep up with the line");
            return;
        }
        writing.swap(pending_);
        const bool last = stopping_;
        lock.unlock();
        const bool sync = last || now_() >= nextSync;
        if (sync) nextSync = now_() + kSyncInterval;
        if (const int error = Flush(writing, sync)) {
            Fail(FileErrorText(error));
            return;
        }
        writing.clear();
        if (last) return;
        lock.lock();
    }
}

int RecordingWriter::Flush(const std::vector<uint8_t>& records, bool sync) {
    if (!records.empty()) {
        if (const int error = WriteOut(records)) return error;
        unsynced_ = true;
    }
    if (!sync || !unsynced_) return 0;
    unsynced_ = false;
    return SyncFile(fd_, path_, true, watch_);
}

int RecordingWriter::WriteOut(const std::vector<uint8_t>& records) {
    std::size_t done = 0;
    const int error = WriteAll(fd_, records, done);
    // A record the disk took only in part is cut off again, so the file ends
    // with a whole record; should that fail too, a reader finds the cut.
    fileSize_ += error == 0 ? done : WholeRecords(std::span(records.data(), done));
    if (error != 0) (void)::ftruncate(fd_, static_cast<off_t>(fileSize_));
    return error;
}

void RecordingWriter::Fail(const std::string& cause) {
    failed_ = true;
    if (onFailure_)
        onFailure_("Recording to " + path_ + " stopped: " + cause + ". What was recorded until then is kept.");
}
