#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/atomic_file.h"
#include "freqdb/freq_database.h"
#include "support/scratch_folder.h"

namespace {

// A table where every field of every record differs, reserved bytes included.
void FillDistinctTable(FreqChannels& table) {
    for (int i = 0; i < FreqChannelCount; ++i) {
        FreqRecord& r = table[i];
        r.FreqKHz = (i % 2 ? -1 : 1) * (100000 + i * 1013);
        r.SetName(std::string("N") + std::to_string(i) + "     ");
        r.SetType(std::string(static_cast<std::size_t>(i % 7), static_cast<char>('a' + i % 26)));
        r.Reserved = {static_cast<uint8_t>(i), static_cast<uint8_t>(0xFF - i)};
    }
}

// A 2000-byte file of records whose bytes are all the record's own number.
std::vector<uint8_t> RecordNumberedBytes(std::size_t size) {
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i / FreqRecordSize);
    return bytes;
}

// Runs the check in a child process that has given up root's right to write
// any file, so that read-only files are read-only for it.
void ExpectAsUnprivilegedUser(bool (*check)(const std::string&), const std::string& path) {
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
            std::_Exit(check(path) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

class FreqDbFileTest : public testing::Test {
protected:
    ScratchFolder folder;
    FreqDatabase db;
};

}  // namespace

TEST_F(FreqDbFileTest, ResetTableSavesAs118000WithEmptyTextsInEveryRecord) {
    ASSERT_EQ(db.Save(folder.File("new.dat")), "");
    const std::vector<uint8_t> bytes = ReadBytes(folder.File("new.dat"));
    ASSERT_EQ(bytes.size(), 2000u);
    for (int i = 0; i < FreqChannelCount; ++i) {
        const uint8_t* r = &bytes[i * 20];
        EXPECT_EQ(r[0], 0xF0);
        EXPECT_EQ(r[1], 0xCC);
        EXPECT_EQ(r[2], 0x01);
        EXPECT_EQ(r[3], 0x00);
        EXPECT_EQ(r[4], 0) << "name length of record " << i;
        EXPECT_EQ(r[11], 0) << "type length of record " << i;
        EXPECT_EQ(r[19], 0);
    }
}

TEST_F(FreqDbFileTest, RecordFieldsSitAtTheirOffsets) {
    db.Table[1].FreqKHz = 123450;
    db.Table[1].SetName("TOWER ");
    db.Table[1].SetType("ATC");
    db.Table[1].Reserved = {0xA5, 0x5A};
    ASSERT_EQ(db.Save(folder.File("t.dat")), "");
    const std::vector<uint8_t> bytes = ReadBytes(folder.File("t.dat"));
    const std::vector<uint8_t> record(bytes.begin() + 20, bytes.begin() + 40);
    const std::vector<uint8_t> expected = {0x3A, 0xE2, 0x01, 0x00, 6,   'T', 'O', 'W', 'E',  'R',
                                           ' ',  3,    'A',  'T',  'C', 0,   0,   0,   0xA5, 0x5A};
    EXPECT_EQ(record, expected);
}

TEST_F(FreqDbFileTest, ResetKeepsReservedByte18AndClearsByte19) {
    db.Table[7].Reserved = {0x12, 0x34};
    db.Table[7].SetName("ABC");
    db.Reset();
    EXPECT_EQ(db.Table[7].Reserved[0], 0x12);
    EXPECT_EQ(db.Table[7].Reserved[1], 0);
    EXPECT_EQ(db.Table[7].Name(), "");
    EXPECT_EQ(db.Table[7].FreqKHz, 118000);
}

TEST_F(FreqDbFileTest, SaveThenLoadGivesTheSameTableAndTheSameBytes) {
    FillDistinctTable(db.Table);
    const auto saved = db.Table;
    ASSERT_EQ(db.Save(folder.File("a.dat")), "");
    db.Table = {};
    ASSERT_EQ(db.Load(folder.File("a.dat")), "");
    EXPECT_EQ(db.Table, saved);
    EXPECT_EQ(db.Table[99].Reserved[0], 99);
    EXPECT_EQ(db.Table[99].Reserved[1], 0xFF - 99);
    ASSERT_EQ(db.Save(folder.File("b.dat")), "");
    EXPECT_EQ(ReadBytes(folder.File("a.dat")), ReadBytes(folder.File("b.dat")));
}

TEST_F(FreqDbFileTest, ShortOrMissingFileIsReportedAndLeavesTheTableAsItWas) {
    FillDistinctTable(db.Table);
    const auto before = db.Table;
    WriteBytes(folder.File("short.dat"), RecordNumberedBytes(1999));
    EXPECT_EQ(db.Load(folder.File("short.dat")), "Read beyond end of file");
    EXPECT_EQ(db.Table, before);
    WriteBytes(folder.File("empty.dat"), {});
    EXPECT_EQ(db.Load(folder.File("empty.dat")), "Read beyond end of file");
    EXPECT_EQ(db.Load(folder.File("absent.dat")), "File not found");
    EXPECT_EQ(db.Load(folder.Path()), "Is a directory");
    ASSERT_EQ(::mkfifo(folder.File("pipe.dat").c_str(), 0644), 0);
    EXPECT_EQ(db.Load(folder.File("pipe.dat")), "File access denied");
    EXPECT_EQ(db.Table, before);
}

TEST_F(FreqDbFileTest, LongerFileLoadsItsFirst2000Bytes) {
    WriteBytes(folder.File("long.dat"), RecordNumberedBytes(2100));
    ASSERT_EQ(db.Load(folder.File("long.dat")), "");
    EXPECT_EQ(db.Table[0].FreqKHz, 0);
    EXPECT_EQ(db.Table[99].FreqKHz, 0x63636363);
    EXPECT_EQ(db.Table[99].Reserved[1], 99);
}

TEST_F(FreqDbFileTest, LengthByteAboveSixReadsOnlyTheRecordsOwnSixCharacters) {
    std::vector<uint8_t> bytes = RecordNumberedBytes(2000);
    bytes[4] = 200;
    std::copy_n("ABCDEF", 6, bytes.begin() + 5);
    bytes[11] = 7;
    std::copy_n("uvwxyz", 6, bytes.begin() + 12);
    WriteBytes(folder.File("long-names.dat"), bytes);
    ASSERT_EQ(db.Load(folder.File("long-names.dat")), "");
    EXPECT_EQ(db.Table[0].Name(), "ABCDEF");
    EXPECT_EQ(db.Table[0].Type(), "uvwxyz");
    ASSERT_EQ(db.Save(folder.File("again.dat")), "");
    EXPECT_EQ(ReadBytes(folder.File("again.dat"))[4], 6);
}

TEST_F(FreqDbFileTest, ReadOnlyFileLoads) {
    FillDistinctTable(db.Table);
    ASSERT_EQ(db.Save(folder.File("ro.dat")), "");
    ASSERT_EQ(::chmod(folder.File("ro.dat").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    ExpectAsUnprivilegedUser(
        [](const std::string& path) {
            FreqDatabase loaded;
            loaded.Table = {};
            return loaded.Load(path).empty() && loaded.Table[5].Name() == "N5    ";
        },
        folder.File("ro.dat"));
}

TEST_F(FreqDbFileTest, FailedSaveReportsTheCauseAndLeavesTheOldFile) {
    FillDistinctTable(db.Table);
    ASSERT_EQ(db.Save(folder.File("db.dat")), "");
    const std::vector<uint8_t> old = ReadBytes(folder.File("db.dat"));
    db.Reset();
    db.WriteSeams.fault = [](std::size_t) { return ENOSPC; };
    EXPECT_EQ(db.Save(folder.File("db.dat")), "Disk full");
    EXPECT_EQ(ReadBytes(folder.File("db.dat")), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"db.dat"});
    db.WriteSeams.fault = nullptr;
    EXPECT_NE(db.Save(folder.File("no-such-folder/db.dat")), "");
}

TEST_F(FreqDbFileTest, ReadOnlyFileIsNotReplacedBySave) {
    FillDistinctTable(db.Table);
    ASSERT_EQ(db.Save(folder.File("ro.dat")), "");
    ASSERT_EQ(::chmod(folder.File("ro.dat").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    const std::vector<uint8_t> old = ReadBytes(folder.File("ro.dat"));
    ExpectAsUnprivilegedUser([](const std::string& path) { return FreqDatabase{}.Save(path) == "File access denied"; },
                             folder.File("ro.dat"));
    EXPECT_EQ(ReadBytes(folder.File("ro.dat")), old);
}
