#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <utility>
#include <vector>

#include "common/atomic_file.h"
#include "common/file_sync.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace {

std::span<const uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

mode_t Permissions(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// The durability steps the file layer took, in order.
std::vector<std::pair<FileStep, std::string>> gSteps;

void RecordStep(FileStep step, const std::string& path) { gSteps.emplace_back(step, path); }

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override { gSteps.clear(); }
    // Writes with the step watch of this test.
    static std::string Write(const std::string& path, std::span<const uint8_t> bytes, FileWriteFault fault = nullptr) {
        return WriteFileAtomically(path, bytes, {fault, RecordStep});
    }
    TempDir dir;
};

TEST_F(AtomicFileTest, CreatesAndReplacesFilesLeavingNothingElse) {
    const std::string path = dir.File("a.dat");
    EXPECT_EQ(Write(path, Bytes("first")), "");
    EXPECT_EQ(dir.Read("a.dat"), "first");
    EXPECT_EQ(Write(path, Bytes("second, longer")), "");
    EXPECT_EQ(dir.Read("a.dat"), "second, longer");
    EXPECT_EQ(Write(path, Bytes("")), "");
    EXPECT_EQ(dir.Read("a.dat"), "");
    EXPECT_EQ(dir.EntryCount(), 1);
}

// Also under a umask that would take bits off; a new file gets the usual
// permissions less the umask.
TEST_F(AtomicFileTest, KeepsThePermissionsOfTheFileItReplaces) {
    const std::string path = dir.File("a.dat");
    dir.Write("a.dat", "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(Write(path, Bytes("new")), "");
    EXPECT_EQ(Permissions(path), 0640u);
    const mode_t mask = ::umask(077);
    EXPECT_EQ(Write(path, Bytes("newer")), "");
    EXPECT_EQ(Write(dir.File("b.dat"), Bytes("new file")), "");
    ::umask(mask);
    EXPECT_EQ(Permissions(path), 0640u);
    EXPECT_EQ(Permissions(dir.File("b.dat")), 0600u);
}

// A link stays a link, relative or absolute, also a link to a link in
// another folder: the file at the end is replaced. A link to a file not
// there yet creates that file.
TEST_F(AtomicFileTest, ASymbolicLinkStaysAndTheFileItPointsToIsReplaced) {
    TempDir other;
    other.Write("real.dat", "old");
    ::symlink(other.File("real.dat").c_str(), dir.File("far").c_str());
    ::symlink("far", dir.File("a.dat").c_str());
    ::symlink("missing.dat", dir.File("b.dat").c_str());
    EXPECT_EQ(Write(dir.File("a.dat"), Bytes("new")), "");
    EXPECT_EQ(Write(dir.File("b.dat"), Bytes("created")), "");
    EXPECT_EQ(other.Read("real.dat"), "new");
    EXPECT_EQ(dir.Read("missing.dat"), "created");
    for (const char* link : {"far", "a.dat", "b.dat"}) EXPECT_TRUE(std::filesystem::is_symlink(dir.File(link))) << link;
    EXPECT_EQ(dir.EntryCount(), 4);
    EXPECT_EQ(other.EntryCount(), 1);
}

// A crash at any moment leaves the old file or the new one: the new data is
// on the disk before the rename puts it in place, and the rename is on the
// disk (the folder synced) before the write counts as done.
TEST_F(AtomicFileTest, TheDataIsSyncedBeforeTheRenameAndTheFolderAfterIt) {
    ASSERT_EQ(Write(dir.File("a.dat"), Bytes("new")), "");
    ASSERT_EQ(gSteps.size(), 3u);
    EXPECT_EQ(gSteps[0].first, FileStep::DataSynced);
    EXPECT_EQ(gSteps[0].second.rfind(dir.File("a.dat.tmp-"), 0), 0u) << gSteps[0].second;
    EXPECT_EQ(gSteps[1], std::make_pair(FileStep::Renamed, dir.File("a.dat")));
    EXPECT_EQ(gSteps[2], std::make_pair(FileStep::FolderSynced, dir.Path()));
}

// A folder that takes no temporary file: a file in it that may be written is
// overwritten in place, longer or shorter than before, also across several
// blocks of the write buffer, and synced.
TEST_F(AtomicFileTest, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    dir.Write("a.dat", "old contents");
    std::string large(200000, ' ');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>('a' + i % 23);
    ::chmod(dir.Path().c_str(), 0555);
    {
        FilePermissionsEnforced enforced;
        EXPECT_EQ(Write(dir.File("a.dat"), Bytes(large)), "");
        EXPECT_EQ(dir.Read("a.dat"), large);
        EXPECT_EQ(Write(dir.File("a.dat"), Bytes("a longer new text")), "");
        EXPECT_EQ(Write(dir.File("a.dat"), Bytes("short")), "");
    }
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(dir.Read("a.dat"), "short");
    EXPECT_EQ(dir.EntryCount(), 1);
    ASSERT_EQ(gSteps.size(), 3u);
    EXPECT_EQ(gSteps.back(), std::make_pair(FileStep::DataSynced, dir.File("a.dat")));
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    dir.Write("a.dat", "old contents");
    EXPECT_EQ(Write(dir.File("a.dat"), Bytes("new contents"), [](std::size_t) { return ENOSPC; }), "Disk full");
    EXPECT_EQ(dir.Read("a.dat"), "old contents");
    EXPECT_EQ(dir.EntryCount(), 1);
}

TEST_F(AtomicFileTest, AMissingFolderIsReportedAndNothingIsCreated) {
    EXPECT_EQ(Write(dir.File("no/such/folder.dat"), Bytes("x")), "File not found");
    EXPECT_EQ(dir.EntryCount(), 0);
}

// The kernel's own refusals, not the seam: a folder that may not be written
// fails at the temporary file already, for a file that may not be written
// either; a disk that fills up mid-write leaves a short temporary file, which
// is removed.
TEST_F(AtomicFileTest, AReadOnlyFolderOrAFullDiskLeaveTheOldFileAndNothingElse) {
    dir.Write("a.dat", "old contents");
    ::chmod(dir.File("a.dat").c_str(), 0444);
    ::chmod(dir.Path().c_str(), 0555);
    {
        FilePermissionsEnforced enforced;
        EXPECT_EQ(Write(dir.File("a.dat"), Bytes("new contents")), "File access denied");
        EXPECT_EQ(Write(dir.File("b.dat"), Bytes("new file")), "File access denied");
    }
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod(dir.File("a.dat").c_str(), 0644);
    EXPECT_EQ(dir.Read("a.dat"), "old contents");
    EXPECT_EQ(dir.EntryCount(), 1);

    {
        FileSizeLimit limit(5);
        EXPECT_EQ(Write(dir.File("a.dat"), Bytes("new contents")), "Disk full");
    }
    EXPECT_EQ(dir.Read("a.dat"), "old contents");
    EXPECT_EQ(dir.EntryCount(), 1);
}

}  // namespace
