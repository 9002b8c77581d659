#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/file_sync.h"

// Records the bytes read from the serial port into a recording file without
// ever making the GUI thread wait for the disk.
//
// Threading: Start, Append, Stop and the destructor belong to one thread (the
// GUI thread). Append only copies the bytes into a buffer under a lock that
// the writer thread holds just long enough to swap buffers. The writer thread
// writes the buffer whenever 64 KiB have gathered and at least once a second,
// each time followed by fdatasync, so a crash or a pulled disk loses at most
// the last second. The first failure (a write, the sync, or more than 64 MiB
// waiting for a disk that does not keep up) ends the recording: the file is
// cut back to its last whole record, later appends are dropped, and the
// failure handler runs once, on the writer thread. Stop may be waiting for
// that thread meanwhile, so the handler must not wait for the GUI thread:
// it should post its message there (a queued call) and return.
class RecordingWriter {
public:
    using FailureHandler = std::function<void(const std::string& message)>;
    using Clock = std::chrono::steady_clock;
    // The time the writer goes by: the arrival times and the second between
    // syncs. Any thread.
    using Now = Clock::time_point (*)();

    // `watch` sees each sync of the file, on the writer thread (a test seam).
    explicit RecordingWriter(Now now = Clock::now, FileStepWatch watch = nullptr) : now_(now), watch_(watch) {}
    ~RecordingWriter() { Stop(); }
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

    // Creates `path` (an existing regular file is emptied; a link, a FIFO or
    // a device is refused) with mode 0644 less the umask, writes the file
    // header and starts the writer thread. Returns an empty string, or one
    // sentence naming the file and the cause; then nothing was started.
    std::string Start(const std::string& path, FailureHandler onFailure);

    // Adds one batch of bytes as read, with its arrival time in microseconds
    // since Start. Dropped when not recording or after a failure.
    void Append(uint64_t micros, const uint8_t* bytes, std::size_t count);

    // Microseconds since Start, from the writer's clock (the monotonic one).
    uint64_t ElapsedMicroseconds() const { return MicrosecondsAt(now_()); }
    // Microseconds from Start to `at` on the writer's clock; 0 before Start.
    uint64_t MicrosecondsAt(Clock::time_point at) const;

    // Writes what is buffered, syncs, closes the file and joins the writer
    // thread. Does nothing when not recording.
    void Stop();

    // Between a successful Start and Stop, until a failure.
    bool Recording() const { return running_ && !failed_; }

private:
    void Run();
    // Writes a buffer of whole records, then syncs when `sync` is set and
    // anything was written since the last sync; returns 0 or an errno value.
    int Flush(const std::vector<uint8_t>& records, bool sync);
    int WriteOut(const std::vector<uint8_t>& records);
    void Fail(const std::string& cause);

    std::string path_;
    FailureHandler onFailure_;
    int fd_ = -1;
    uint64_t fileSize_ = 0;  // bytes of the file that are whole records (and the header)
    bool unsynced_ = false;  // written since the last sync; writer thread only
    Now now_;
    FileStepWatch watch_;
    Clock::time_point started_;
    std::thread thread_;
    bool running_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<uint8_t> pending_;  // whole records not yet handed to the writer thread
    bool stopping_ = false;
    bool overflow_ = false;
    std::atomic<bool> failed_{false};
};
