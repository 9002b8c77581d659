#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "common/little_endian.h"
#include "freqdb/freq_database.h"
#include "freqdb/freq_file_convert.h"
#include "support/scratch_folder.h"

namespace {

class ConvertTest : public testing::Test {
protected:
    int Convert(const std::string& in, const std::string& out) {
        errors.str("");
        return ConvertFrequencyFile(folder.File(in), folder.File(out), errors);
    }

    ScratchFolder folder;
    std::ostringstream errors;
};

}  // namespace

// .dat -> .csv -> .dat keeps each record's frequency, its length bytes and the
// characters they cover, whatever the bytes; extensions in any case.
TEST_F(ConvertTest, DatToCsvToDatKeepsEveryRecord) {
    std::mt19937 random(15);
    std::vector<uint8_t> original(FreqFileSize);
    for (uint8_t& byte : original) byte = static_cast<uint8_t>(random());
    for (int i = 0; i < FreqChannelCount; ++i) {
        original[i * FreqRecordSize + 4] %= 7;
        original[i * FreqRecordSize + 11] %= 7;
    }
    WriteLe32(&original[0], INT32_MIN);
    WriteLe32(&original[FreqRecordSize], INT32_MAX);
    WriteBytes(folder.File("in.DAT"), original);
    ASSERT_EQ(Convert("in.DAT", "table.Csv"), 0) << errors.str();
    ASSERT_EQ(Convert("table.Csv", "out.dat"), 0) << errors.str();

    const std::vector<uint8_t> converted = ReadBytes(folder.File("out.dat"));
    ASSERT_EQ(converted.size(), original.size());
    for (std::size_t at = 0; at < original.size(); at += FreqRecordSize) {
        const std::size_t nameEnd = at + 5 + original[at + 4];
        const std::size_t typeEnd = at + 12 + original[at + 11];
        EXPECT_TRUE(std::equal(&original[at], &original[nameEnd], &converted[at])) << "record " << at / 20;
        EXPECT_TRUE(std::equal(&original[at + 11], &original[typeEnd], &converted[at + 11])) << "record " << at / 20;
    }
}

// Exit 1 writes and changes nothing; exit 2 for a pair it does not know.
TEST_F(ConvertTest, FailuresAreReportedAndWriteNothing) {
    const std::string bad = "channel,frequency_mhz,name,type\n1,118.000,,\n101,abc,,\n";
    WriteBytes(folder.File("bad.csv"), {bad.begin(), bad.end()});
    const std::vector<uint8_t> old(FreqFileSize, 'o');
    WriteBytes(folder.File("old.dat"), old);
    WriteBytes(folder.File("short.dat"), std::vector<uint8_t>(1999));
    const struct {
        const char* in;
        const char* out;
        int status;
        std::string error;
    } cases[] = {
        {"bad.csv", "old.dat", 1, "bad.csv: line 3: channel 101 is outside 1..100; frequency \"abc\" is not a number"},
        {"short.dat", "out.csv", 1, "short.dat: Read beyond end of file"},
        {"absent.csv", "out.dat", 1, "absent.csv: File not found"},
        {"old.dat", "no-such-folder/out.csv", 1, "no-such-folder/out.csv: File not found"},
        {"old.dat", "out.dat", 2, ""},
        {"old.dat", "out", 2, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Convert(c.in, c.out), c.status) << c.in;
        if (c.status == 1) {
            EXPECT_EQ(errors.str(), folder.File(c.error) + "\n");
        }
        EXPECT_EQ(ReadBytes(folder.File("old.dat")), old);
    }
    EXPECT_EQ(folder.Names().size(), 3u) << "no output file was written";
    EXPECT_EQ(errors.str(), "cannot convert " + folder.File("old.dat") + " to " + folder.File("out") +
                                ": give a .dat file and a .csv file, in either order\n");
}

// A record the transceiver cannot tune converts as it is, with a warning line.
TEST_F(ConvertTest, OutOfBandRecordsConvertWithAWarningEach) {
    const std::string csv = "channel,frequency_mhz,name,type\n1,999.999,BIG,X\n2,-5,,\n3,136.975,,\n";
    WriteBytes(folder.File("in.csv"), {csv.begin(), csv.end()});
    ASSERT_EQ(Convert("in.csv", "out.dat"), 0);
    const std::string warning = " is outside 108.000-136.975 MHz; kept\n";
    EXPECT_EQ(errors.str(), folder.File("in.csv: line 2: frequency 999.999") + warning +
                                folder.File("in.csv: line 3: frequency -5") + warning);
    const std::vector<uint8_t> dat = ReadBytes(folder.File("out.dat"));
    EXPECT_EQ(ReadLe32(&dat[0]), 999999);
    EXPECT_EQ(ReadLe32(&dat[FreqRecordSize]), -5000);
    ASSERT_EQ(Convert("out.dat", "back.csv"), 0);
    EXPECT_EQ(errors.str(), folder.File("out.dat: channel 1: frequency 999.999") + warning +
                                folder.File("out.dat: channel 2: frequency -5.000") + warning);
}
