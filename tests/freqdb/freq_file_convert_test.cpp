#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "freqdb/freq_database.h"
#include "freqdb/freq_file_convert.h"
#include "support/scratch_folder.h"

namespace {

std::vector<uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

class ConvertTest : public testing::Test {
protected:
    int Convert(const std::string& in, const std::string& out) {
        errors.str("");
        return ConvertFrequencyFile(folder.File(in), folder.File(out), errors);
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(folder.File(name)); }

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
    WriteBytes(folder.File("in.DAT"), original);
    ASSERT_EQ(Convert("in.DAT", "table.Csv"), 0) << errors.str();
    ASSERT_EQ(Convert("table.Csv", "out.dat"), 0) << errors.str();
    EXPECT_EQ(errors.str(), "");

    const std::vector<uint8_t> converted = ReadBytes(folder.File("out.dat"));
    ASSERT_EQ(converted.size(), original.size());
    for (int i = 0; i < FreqChannelCount; ++i) {
        const auto record = [i](const std::vector<uint8_t>& bytes, int from, int count) {
            return std::vector<uint8_t>(bytes.begin() + i * FreqRecordSize + from,
                                        bytes.begin() + i * FreqRecordSize + from + count);
        };
        const int nameLength = original[i * FreqRecordSize + 4];
        const int typeLength = original[i * FreqRecordSize + 11];
        EXPECT_EQ(record(converted, 0, 5 + nameLength), record(original, 0, 5 + nameLength)) << "record " << i;
        EXPECT_EQ(record(converted, 11, 1 + typeLength), record(original, 11, 1 + typeLength)) << "record " << i;
    }
}

TEST_F(ConvertTest, BadInputIsReportedAndWritesNothing) {
    WriteBytes(folder.File("bad.csv"), Text("channel,frequency_mhz,name,type\n1,118.000,,\n101,abc,,\n"));
    WriteBytes(folder.File("old.dat"), Text("kept"));
    EXPECT_EQ(Convert("bad.csv", "old.dat"), 1);
    EXPECT_EQ(errors.str(),
              folder.File("bad.csv") + ": line 3: channel 101 is outside 1..100; frequency \"abc\" is not a number\n");
    EXPECT_EQ(ReadBytes(folder.File("old.dat")), Text("kept"));

    WriteBytes(folder.File("short.dat"), std::vector<uint8_t>(1999));
    EXPECT_EQ(Convert("short.dat", "out.csv"), 1);
    EXPECT_EQ(errors.str(), folder.File("short.dat") + ": Read beyond end of file\n");
    EXPECT_EQ(Convert("absent.csv", "out.dat"), 1);
    EXPECT_EQ(errors.str(), folder.File("absent.csv") + ": File not found\n");
    WriteBytes(folder.File("in.dat"), std::vector<uint8_t>(FreqFileSize));
    EXPECT_EQ(Convert("in.dat", "no-such-folder/out.csv"), 1);
    EXPECT_EQ(errors.str(), folder.File("no-such-folder/out.csv") + ": File not found\n");
    EXPECT_FALSE(Exists("out.csv") || Exists("out.dat"));
}

TEST_F(ConvertTest, OnlyDatToCsvAndCsvToDatAreKnown) {
    WriteBytes(folder.File("in.dat"), std::vector<uint8_t>(FreqFileSize));
    for (const char* out : {"out.dat", "out.txt", "out"}) {
        EXPECT_EQ(Convert("in.dat", out), 2) << out;
        EXPECT_FALSE(Exists(out));
    }
    EXPECT_EQ(errors.str(), "cannot convert " + folder.File("in.dat") + " to " + folder.File("out") +
                                ": give a .dat file and a .csv file, in either order\n");
}
