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

TEST(FreqCsv, ImportTakesRowsInAnyOrderAndResetsChannelsWithoutARow) {
    const FreqCsvImport imported = ParseFreqCsv(
        "\xEF\xBB\xBF"
        "channel,frequency_mhz,name,type\n"
        "\n"
        " 7 , 121.5 ,\"A,\"\"B\"\"\",\"L1\r\nL2\"\n"
        "100,+118,TWR   ,\xC3\x89t\xC3\xA9\r"
        "1,-0.0050000,,\n"
        "2,.25,\"\",x");
    ASSERT_EQ(imported.problems, std::vector<std::string>{});
    FreqChannels expected = UnsetTable();
    expected[6] = MakeRecord(121500, "A,\"B\"", "L1\r\nL2");
    expected[99] = MakeRecord(118000, "TWR   ", "\xC9t\xE9");
    expected[0] = MakeRecord(-5, "", "");
    expected[1] = MakeRecord(250, "", "x");
    EXPECT_EQ(imported.table, expected);
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
                                                "12,118.000,\xFF,\n"
                                                "13,118.000,\"a\nb\",x\n"
                                                "14,118.000,\n"
                                                "15,118.000,a\"b,\n"
                                                "16,118.000,\"a\"b,\n"
                                                "17,x,1234567,\xCE\xA9\n"
                                                "18,118.000,\xF0\x9F\x98\x80,\xC0\x80\n"
                                                "1,118.000,,\n"
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
        "line 11: name is not valid UTF-8",
        "line 14: 3 fields where 4 are expected (channel,frequency_mhz,name,type)",
        "line 15: a quote in a field that does not start with one",
        "line 16: text follows the closing quote of a field",
        "line 17: frequency \"x\" is not a number; name \"1234567\" has more than 6 characters; type \"\xCE\xA9\" has "
        "a "
        "character outside Latin-1",
        "line 18: name \"\xF0\x9F\x98\x80\" has a character outside Latin-1; type is not valid UTF-8",
        "line 20: channel 1 was given before, on line 19",
        "line 23: frequency \"x\" is not a number",
        "line 24: a quoted field is not closed",
    };
    EXPECT_EQ(imported.problems, expected);
}

TEST(FreqCsv, AFileWithoutTheHeaderIsRefusedAsAWhole) {
    for (const char* text : {"", "\r\n\r\n", "1,118.000,,\r\n", "Channel,frequency_mhz,name,type\r\n",
                             "channel,frequency_mhz,name\r\n", "\"channel,frequency_mhz,name,type\r\n"})
        EXPECT_EQ(ParseFreqCsv(text).problems,
                  std::vector<std::string>{"line 1: the first line must be the header channel,frequency_mhz,name,type"})
            << testing::PrintToString(text);
}
