#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "common/atomic_file.h"
#include "common/ini_file.h"
#include "settings/radio_ini.h"
#include "support/temp_dir.h"

namespace {

class RadioIniTest : public ::testing::Test {
protected:
    RadioSettings ReadWith(const std::string& text) {
        dir.Write("RADIO.INI", text);
        return ReadRadioIni(path);
    }
    TempDir dir;
    std::string path = dir.File("RADIO.INI");
};

TEST_F(RadioIniTest, AMissingFileGivesPortZeroAndNoDatabase) {
    const RadioSettings settings = ReadRadioIni(path);
    EXPECT_EQ(settings.commsPort, 0);
    EXPECT_EQ(settings.freqFilename, "");
    EXPECT_EQ(dir.EntryCount(), 0);
}

TEST_F(RadioIniTest, CommsPortIsTakenModulo256AndReadsHexAndGarbage) {
    const struct {
        const char* stored;
        int port;
    } rows[] = {
        {"0", 0},     {"2", 2},    {"255", 255}, {"256", 0}, {"257", 1}, {"0x10", 16},
        {"0X1f", 31}, {"-1", 255}, {" 7 ", 7},   {"abc", 0}, {"", 0},    {"12abc", 0},
        {"0x", 0},    {"0x-5", 0}, {"--5", 0},   {"+-5", 0}, {"1e3", 0}, {"99999999999", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadWith(std::string("[Setup]\nCommsPort=") + row.stored + "\n").commsPort, row.port)
            << "CommsPort=" << row.stored;
    }
}

// Zoom is written once it is not 100, and from then on kept up to date.
TEST_F(RadioIniTest, ZoomReadsAsAnOfferedPercentageElse100AndIsWrittenOnceNot100) {
    for (const char* stored : {"", "Zoom=120\n", "Zoom=-200\n", "Zoom=big\n"})
        EXPECT_EQ(ReadWith(std::string("[Setup]\n") + stored).zoom, 100) << stored;
    EXPECT_EQ(ReadWith("[Setup]\nZoom=0x96\n").zoom, 150);
    std::filesystem::remove(path);
    ASSERT_EQ(WriteRadioIni(path, {0, "", 300}), "");
    EXPECT_EQ(ReadRadioIni(path).zoom, 300);
    ASSERT_EQ(WriteRadioIni(path, {0, "", 100}), "");
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\r\nCommsPort=0\r\nFreqFilename=\r\nZoom=100\r\n");
}

TEST_F(RadioIniTest, FindsSectionAndKeysWhateverTheirCaseAndLineEnds) {
    const RadioSettings settings = ReadWith(
        "; written by hand\r\n[Ports]\r\nCommsPort=9\r\n\r\n[setup]\r\ncommsport = 3\r\nFREQFILENAME=/home/pilot/my "
        "routes/alps.dat\r\n");
    EXPECT_EQ(settings.commsPort, 3);
    EXPECT_EQ(settings.freqFilename, "/home/pilot/my routes/alps.dat");
}

TEST_F(RadioIniTest, WritingCreatesTheFileAndReadsBack) {
    ASSERT_EQ(WriteRadioIni(path, {0, ""}), "");
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\r\nCommsPort=0\r\nFreqFilename=\r\n");
    ASSERT_EQ(WriteRadioIni(path, {255, "/data/a b.dat"}), "");
    const RadioSettings settings = ReadRadioIni(path);
    EXPECT_EQ(settings.commsPort, 255);
    EXPECT_EQ(settings.freqFilename, "/data/a b.dat");
}

TEST_F(RadioIniTest, WritingKeepsOtherSectionsKeysAndComments) {
    dir.Write(
        "RADIO.INI",
        "; my radio\n[Ports]\nCommsPort=9\n\n[Setup]\nCommsPort=4\nWindowX=12\nFreqFilename=old.dat\n\n[Other]\nA=1\n");
    ASSERT_EQ(WriteRadioIni(path, {5, "new.dat"}), "");
    EXPECT_EQ(
        dir.Read("RADIO.INI"),
        "; my radio\r\n[Ports]\r\nCommsPort=9\r\n\r\n[Setup]\r\nCommsPort=5\r\nWindowX=12\r\nFreqFilename=new.dat\r\n"
        "\r\n[Other]\r\nA=1\r\n");
}

TEST_F(RadioIniTest, MissingKeysGoAtTheEndOfTheirSectionNotOfTheFile) {
    dir.Write("RADIO.INI", "[Setup]\nWindowX=12\n\n[Ports]\nA=1\n");
    ASSERT_EQ(WriteRadioIni(path, {1, "x.dat"}), "");
    EXPECT_EQ(dir.Read("RADIO.INI"),
              "[Setup]\r\nWindowX=12\r\nCommsPort=1\r\nFreqFilename=x.dat\r\n\r\n[Ports]\r\nA=1\r\n");
}

TEST_F(RadioIniTest, AFailedWriteLeavesTheOldFileWhole) {
    dir.Write("RADIO.INI", "[Setup]\nCommsPort=4\n[Ports]\nA=1\n");
    EXPECT_EQ(WriteRadioIni(path, {7, "x.dat"}, {[](std::size_t) { return ENOSPC; }}), "Disk full");
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\nCommsPort=4\n[Ports]\nA=1\n");
    EXPECT_EQ(dir.EntryCount(), 1);
}

// A file name may hold line breaks; written as it is, it would end the value
// and inject lines of its own into the file.
TEST_F(RadioIniTest, AFileNameWithALineBreakIsRefusedAndTheFileKept) {
    dir.Write("RADIO.INI", "[Setup]\nCommsPort=4\n");
    for (const char* name : {"/data/a\n[Setup]\nCommsPort=9.dat", "/data/b\r.dat"})
        EXPECT_EQ(WriteRadioIni(path, {7, name}), "The frequency database's file name holds a line break");
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\nCommsPort=4\n");
    EXPECT_EQ(dir.EntryCount(), 1);
}

}  // namespace
