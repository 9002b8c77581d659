#include <gtest/gtest.h>

#include "freqdb/freq_csv.h"
#include "support/freq_record.h"

namespace {

constexpr const char* kHeader = "channel,frequency_mhz,name,type\r\n";

FreqChannels UnsetTable() {
    FreqChannels table{};
    for (FreqRecord& record : table) record.FreqKHz = 118000;
    return table;
}

}  // namespace

TEST(FreqCsv, ExportListsEveryChannelAsTheEditorDoesQuotingOnlyWhereNeeded) {
    FreqChannels table = UnsetTable();
    table[0] = MakeRecord(123450, "TOWER ", "ATC");
    table[1] = MakeRecord(-12345, "A,\"B\"", "\xC9t\xE9");
    table[2] = MakeRecord(118025, "L1\r\nL2", "");
    const std::string text = FreqCsvText(table);
    EXPECT_TRUE(
        text.starts_with(std::string(kHeader) + "1,123.450,TOWER ,ATC\r\n" +
                         "2,-12.345,\"A,\"\"B\"\"\",\xC3\x89t\xC3\xA9\r\n3,118.025,\"L1\r\nL2\",\r\n4,118.000,,\r\n"))
        << text;
    EXPECT_TRUE(text.ends_with("\r\n100,118.000,,\r\n"));
}

// Frequencies outside the band are kept here, each with a warning.
TEST(FreqCsv, ImportTakesRowsInAnyOrderAndResetsChannelsWithoutARow) {
    const FreqCsvImport imported = ParseFreqCsv(
        "\xEF\xBB\xBF"
        "channel,frequency_mhz,name,type\n"
        "\n"
        " 7 , 121.5 ,\"A,\"\"B\"\"\",\"L1\r\nL2\"\n"
        "100,+118,TWR   ,\xC3\x89t\xC3\xA9\r"
        "1,-0.0050000,,\n"
        "2,.25,\"\",x",
        OutOfBand::Kept);
    ASSERT_EQ(imported.problems, std::vector<std::string>{});
    EXPECT_EQ(imported.warnings,
              (std::vector<std::string>{"line 6: frequency -0.0050000 is outside 108.000-136.975 MHz",
                                        "line 7: frequency .25 is outside 108.000-136.975 MHz"}));
    FreqChannels expected = UnsetTable();
    expected[6] = MakeRecord(121500, "A,\"B\"", "L1\r\nL2");
    expected[99] = MakeRecord(118000, "TWR   ", "\xC9t\xE9");
    expected[0] = MakeRecord(-5, "", "");
    expected[1] = MakeRecord(250, "", "x");
    EXPECT_EQ(imported.table, expected);
}

// What spreadsheets write for the same channel: each file gives it unchanged.
TEST(FreqCsv, ImportReadsEverySpreadsheetDialect) {
    const FreqRecord tower = MakeRecord(121500, "TWR", "ATC");
    const FreqRecord accents = MakeRecord(108000, "\xC9T\x80IN", "");
    const struct {
        const char* dialect;
        std::string text;
        FreqRecord channel1;
    } cases[] = {
        {"semicolons, decimal comma, CRLF", "channel;frequency_mhz;name;type\r\n1;121,500;TWR;ATC\r\n", tower},
        {"tabs, columns in any order and case, another column",
         "Type\tName\tnotes\tFREQUENCY_MHZ\t Channel \nATC\tTWR\tsee, map\t121,5\t1\n", tower},
        {"decimal comma quoted, rows of blank cells",
         "channel,frequency_mhz,name,type\n,,,\n1,\"121,500\",TWR,ATC\n \t, ,,\n", tower},
        {"Windows-1252 bytes kept", "channel;frequency_mhz;name;type\n1;108;\xC9T\x80IN;\n", accents},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBFname,channel,type,frequency_mhz\n\xC3\x89T\xC2\x80IN,1,,108\n",
         accents},
        {"band edges", "channel,frequency_mhz,name,type\n2,136.975,,\n1,108.000,\xC9T\x80IN,", accents},
    };
    for (const auto& c : cases) {
        const FreqCsvImport imported = ParseFreqCsv(c.text);
        EXPECT_EQ(imported.problems, std::vector<std::string>{}) << c.dialect;
        EXPECT_EQ(imported.table[0], c.channel1) << c.dialect;
    }
}

TEST(FreqCsv, EveryBadRowIsReportedWithItsLineAndReason) {
    const FreqCsvImport imported = ParseFreqCsv(std::string(kHeader) +
                                                "101,118.000,,\n"
                                                "x,118.000,,\n"
                                                "5,118.000,,\n"
                                                "5,121.500,,\n"
                                                "6,abc,,\n"
                                                "7,2147483.648,,\n"
                                                "9,118.0005,,\n"
                                                "10,118.000,ABCDEFG,\n"
                                                "11,118.000,,\xCE\xA9\n"
                                                "1,999.999,BIG,X\n"
                                                "13,118.000,\"a\nb\",x\n"
                                                "14,118.000,\n"
                                                "15,118.000,a\"b,\n"
                                                "16,118.000,\"a\"b,\n"
                                                "17,x,1234567,\xCE\xA9\n"
                                                "18,107.000,\xF0\x9F\x98\x80,\n"
                                                "1,121.500,,\n"
                                                "20,118.000,\"a\r\nb\",x\n"
                                                "21,x,,\n"
                                                "19,118.000,,\"never closed\n");
    const std::vector<std::string> expected = {
        "line 2: channel 101 is outside 1..100",
        "line 3: channel \"x\" is not a number",
        "line 5: channel 5 was given before, on line 4",
        "line 6: frequency \"abc\" is not a number",
        "line 7: frequency 2147483.648 does not fit a 32-bit kHz value",
        "line 8: frequency 118.0005 is not a whole number of kHz",
        "line 9: name \"ABCDEFG\" has more than 6 characters",
        "line 10: type \"\xCE\xA9\" has a character outside Latin-1",
        "line 11: frequency 999.999 is outside 108.000-136.975 MHz",
        "line 14: 3 fields where the header has 4, separated by commas",
        "line 15: a quote in a field that does not start with one",
        "line 16: text follows the closing quote of a field",
        "line 17: frequency \"x\" is not a number; name \"1234567\" has more than 6 characters; type \"\xCE\xA9\" has "
        "a character outside Latin-1",
        "line 18: name \"\xF0\x9F\x98\x80\" has a character outside Latin-1; frequency 107.000 is outside "
        "108.000-136.975 MHz",
        "line 19: channel 1 was given before, on line 11",
        "line 22: frequency \"x\" is not a number",
        "line 23: a quoted field is not closed",
    };
    EXPECT_EQ(imported.problems, expected);
    EXPECT_EQ(imported.warnings, std::vector<std::string>{});
}

TEST(FreqCsv, AFileWithoutTheHeaderIsRefusedAsAWhole) {
    const std::string needs = "; the first line must name the columns channel,frequency_mhz,name,type";
    const struct {
        const char* text;
        std::string problem;
    } cases[] = {
        {"", "line 1: the file is empty"},
        {"\r\n\r\n", "line 1: the file is empty"},
        {"1,118.000,,\r\n",
         "line 1: the header has no column channel, frequency_mhz, name, type (it has 4 fields separated by commas)"},
        {"\nchannel;frequency;name;type;channel\r\n",
         "line 2: the header has no column frequency_mhz; it has the column channel twice (it has 5 fields separated "
         "by semicolons)"},
        {"channel\tfrequency_mhz\tname\r\n",
         "line 1: the header has no column type (it has 3 fields separated by tabs)"},
        {"\"channel,frequency_mhz,name,type\r\n", "line 1: a quoted field is not closed"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFreqCsv(c.text).problems, std::vector<std::string>{c.problem + needs})
            << testing::PrintToString(c.text);
}
