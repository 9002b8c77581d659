#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>

#include "common/file_sync.h"
#include "recording_files.h"
#include "session/recording_reader.h"
#include "session/recording_writer.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace {

struct ReadBack {
    std::vector<Batch> records;
    std::string error;
    std::optional<uint64_t> cutAt;
};

ReadBack ReadRecording(const std::string& path) {
    RecordingReader reader(path);
    ReadBack back;
    while (const auto r = reader.Next()) back.records.push_back({r->micros, {r->bytes.begin(), r->bytes.end()}});
    back.error = reader.Error();
    back.cutAt = reader.CutAt();
    return back;
}

std::vector<uint8_t> Pattern(std::size_t size, int seed) {
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + seed);
    return bytes;
}

bool SameBatch(const Batch& a, const Batch& b) { return a.micros == b.micros && a.bytes == b.bytes; }

// The writer's clock, moved by the tests only.
std::atomic<int64_t> gManualMicros{0};

RecordingWriter::Clock::time_point ManualNow() {
    static const RecordingWriter::Clock::time_point start = RecordingWriter::Clock::now();
    return start + std::chrono::microseconds(gManualMicros.load());
}

// The data syncs of the writer thread, counted.
std::mutex gSyncsMutex;
std::condition_variable gSynced;
int gSyncs = 0;

void CountSync(FileStep step, const std::string&) {
    if (step != FileStep::DataSynced) return;
    std::lock_guard lock(gSyncsMutex);
    ++gSyncs;
    gSynced.notify_all();
}

int Syncs() {
    std::lock_guard lock(gSyncsMutex);
    return gSyncs;
}

// Waits for the writer thread's next sync, however long its clock takes to
// come round in real time; false after a minute.
bool NextSyncSeen(int seen) {
    std::unique_lock lock(gSyncsMutex);
    return gSynced.wait_for(lock, std::chrono::minutes(1), [&] { return gSyncs > seen; });
}

// A second of the writer's clock brings a sync of what was written, with no
// more bytes and no Stop; so does Stop. A longer file recorded over is cut
// to the new recording.
TEST(RecordingWriterTest, SyncsEverySecondOfItsClockAndAtStop) {
    TempDir dir;
    dir.Write("a.vhfrec", std::string(100000, 'x'));
    gManualMicros = 0;
    RecordingWriter writer(ManualNow, CountSync);
    ASSERT_EQ(writer.Start(dir.File("a.vhfrec"), nullptr), "");
    writer.Append(writer.ElapsedMicroseconds(), Pattern(10, 1).data(), 10);
    gManualMicros += 999999;
    EXPECT_EQ(writer.ElapsedMicroseconds(), 999999u);
    const int before = Syncs();
    gManualMicros += 1;
    EXPECT_TRUE(NextSyncSeen(before));
    const ReadBack synced = ReadRecording(dir.File("a.vhfrec"));
    ASSERT_EQ(synced.records.size(), 1u);
    EXPECT_TRUE(SameBatch(synced.records[0], {0, Pattern(10, 1)}));

    writer.Append(1000000, Pattern(20, 2).data(), 20);
    const int beforeStop = Syncs();
    writer.Stop();
    EXPECT_EQ(Syncs(), beforeStop + 1);
    const ReadBack back = ReadRecording(dir.File("a.vhfrec"));
    EXPECT_FALSE(back.cutAt);
    EXPECT_EQ(back.records.size(), 2u);
}

TEST(RecordingWriterTest, RecordsEveryBatchWholeSplittingWhatExceedsARecordAndReplacesAnEarlierRecording) {
    TempDir dir;
    const std::string path = dir.File("a.vhfrec");
    RecordingWriter writer;
    ASSERT_EQ(writer.Start(path, nullptr), "");
    writer.Append(1, Pattern(500, 1).data(), 500);
    ASSERT_EQ(writer.Start(path, nullptr), "");  // stops the first one and starts afresh
    const std::vector<uint8_t> big = Pattern(70000, 3);
    writer.Append(0, Pattern(3, 2).data(), 3);
    writer.Append(5, big.data(), 0);
    writer.Append(1000, big.data(), big.size());
    EXPECT_TRUE(writer.Recording());
    writer.Stop();
    EXPECT_FALSE(writer.Recording());
    writer.Append(2000, big.data(), 10);  // after Stop: dropped

    const ReadBack back = ReadRecording(path);
    EXPECT_EQ(back.error, "");
    EXPECT_FALSE(back.cutAt);
    ASSERT_EQ(back.records.size(), 3u);
    EXPECT_TRUE(SameBatch(back.records[0], {0, Pattern(3, 2)}));
    EXPECT_TRUE(SameBatch(back.records[1], {1000, {big.begin(), big.begin() + 65535}}));
    EXPECT_TRUE(SameBatch(back.records[2], {1000, {big.begin() + 65535, big.end()}}));

    struct stat info {};
    ::stat(path.c_str(), &info);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 07777, 0644 & ~mask);
}

TEST(RecordingWriterTest, RefusesWhatIsNotARegularFileAndLeavesItAlone) {
    TempDir dir;
    dir.Write("target", "keep");
    ::mkfifo(dir.File("fifo").c_str(), 0644);
    ::symlink(dir.File("target").c_str(), dir.File("link").c_str());
    ::mkdir(dir.File("folder").c_str(), 0755);
    for (const char* name : {"fifo", "link", "folder", "missing/a.vhfrec"}) {
        SCOPED_TRACE(name);
        RecordingWriter writer;
        const std::string message = writer.Start(dir.File(name), nullptr);
        EXPECT_NE(message.find("Cannot record to " + dir.File(name) + ": "), std::string::npos) << message;
        EXPECT_FALSE(writer.Recording());
    }
    EXPECT_EQ(dir.Read("target"), "keep");
}

// The disk fills up while the writer thread writes: the recording stops with
// one message, later batches are dropped, and the file ends with the last
// record the disk took whole.
TEST(RecordingWriterTest, AFullDiskStopsTheRecordingOnceAndKeepsTheWholeRecords) {
    TempDir dir;
    const std::string path = dir.File("a.vhfrec");
    std::promise<std::string> failure;
    int failures = 0;
    RecordingWriter writer;
    std::vector<Batch> sent;
    {
        FileSizeLimit limit(20000);
        ASSERT_EQ(writer.Start(path,
                               [&](const std::string& message) {
                                   ++failures;
                                   failure.set_value(message);
                               }),
                  "");
        for (int i = 0; i < 100; ++i) {  // 100 KB: more than the disk holds, and enough to be written at once
            sent.push_back({static_cast<uint64_t>(i) * 1000, Pattern(1000, i)});
            writer.Append(sent.back().micros, sent.back().bytes.data(), 1000);
        }
        const std::string message = failure.get_future().get();
        EXPECT_EQ(message, "Recording to " + path + " stopped: Disk full. What was recorded until then is kept.");
        EXPECT_FALSE(writer.Recording());
        writer.Append(200000, Pattern(1000, 0).data(), 1000);
        writer.Stop();
    }
    EXPECT_EQ(failures, 1);
    const ReadBack back = ReadRecording(path);
    EXPECT_EQ(back.error, "");
    EXPECT_FALSE(back.cutAt);
    ASSERT_GT(back.records.size(), 0u);
    ASSERT_LT(back.records.size(), 20u);
    for (std::size_t i = 0; i < back.records.size(); ++i) EXPECT_TRUE(SameBatch(back.records[i], sent[i])) << i;

    // The next recording, on a disk with room, records again; over the
    // longer one it replaces, nothing of that one is left.
    ASSERT_EQ(writer.Start(path, nullptr), "");
    writer.Append(7, Pattern(5, 9).data(), 5);
    EXPECT_TRUE(writer.Recording());
    writer.Stop();
    const ReadBack again = ReadRecording(path);
    EXPECT_FALSE(again.cutAt);
    ASSERT_EQ(again.records.size(), 1u);
    EXPECT_TRUE(SameBatch(again.records[0], {7, Pattern(5, 9)}));
}

TEST(RecordingReaderTest, RefusesFilesThatAreNotRecordingsOfItsVersion) {
    TempDir dir;
    std::string version2 = RecordingFileBytes({{0, {1, 2, 3}}});
    version2[8] = 2;
    dir.Write("version2", version2);
    version2[8] = 0;
    dir.Write("version0", version2);
    dir.Write("text", "time_s,mode\r\n");
    ::mkdir(dir.File("folder").c_str(), 0755);
    const struct {
        const char* name;
        std::string message;
    } rows[] = {
        {"version2", " is a recording of version 2, which this program cannot read (it reads version 1)."},
        {"version0", " is a recording of version 0, which this program cannot read (it reads version 1)."},
        {"text", " is not a recording: it does not start as one."},
        {"folder", " cannot be read: Is a directory."},
        {"missing", " cannot be read: File not found."},
    };
    for (const auto& row : rows) {
        const ReadBack back = ReadRecording(dir.File(row.name));
        EXPECT_EQ(back.error, dir.File(row.name) + row.message);
        EXPECT_TRUE(back.records.empty());
    }
}

}  // namespace
