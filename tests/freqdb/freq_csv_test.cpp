#include <gtest/gtest.h>

#include <random>

#include "freqdb/freq_csv.h"

namespace {

constexpr const char* kHeader = "channel,frequency_mhz,name,type\r\n";

FreqChannels UnsetTable() {
    FreqChannels table{};
    for (FreqRecord& record : table) record.FreqKHz = 118000;
    return table;
}

FreqRecord Record(int32_t kHz, std::string_view name, std::string_view type) {
    FreqRecord r;
    r.FreqKHz = kHz;
    r.SetName(name);
    r.SetType(type);
    return r;
}

// The text's rows after the header, CRLF-separated, as one string each.
std::vector<std::string> Rows(const std::string& text) {
    std::vector<std::string> rows;
    for (std::size_t at = text.find("\r\n") + 2; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        rows.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return rows;
}

}  // namespace

TEST(FreqCsv, ExportListsEveryChannelAsTheEditorDoesQuotingOnlyWhereNeeded) {
    FreqChannels table = UnsetTable();
    table[0] = Record(123450, "TOWER ", "ATC");
    table[1] = Record(-12345, "A,\"B\"", "\xC9t\xE9");
    table[2] = Record(118025, "L1\r\nL2", "");
    const std::string text = FreqCsvText(table);
    EXPECT_TRUE(text.starts_with(kHeader));
    const std::vector<std::string> rows = Rows(text);
    ASSERT_EQ(rows.size(), 100u + 1u) << "the quoted line break splits one row in two here";
    EXPECT_EQ(rows[0], "1,123.450,TOWER ,ATC");
    EXPECT_EQ(rows[1], "2,-12.345,\"A,\"\"B\"\"\",\xC3\x89t\xC3\xA9");
    EXPECT_EQ(rows[2] + "\r\n" + rows[3], "3,118.025,\"L1\r\nL2\",");
    EXPECT_EQ(rows.back(), "100,118.000,,");
}

// Any frequency, any length and any byte under it come back the same.
TEST(FreqCsv, WhatIsExportedImportsAsItWas) {
    std::mt19937 random(15);
    for (int round = 0; round < 20; ++round) {
        FreqChannels table{};
        for (FreqRecord& r : table) {
            r.FreqKHz = static_cast<int32_t>(random());
            for (char& c : r.NameChars) c = static_cast<char>(random());
            for (char& c : r.TypeChars) c = static_cast<char>(random());
            r.NameLength = static_cast<uint8_t>(random() % 7);
            r.TypeLength = static_cast<uint8_t>(random() % 7);
        }
        table[0].FreqKHz = INT32_MIN;
        table[1].FreqKHz = INT32_MAX;
        const FreqCsvImport imported = ParseFreqCsv(FreqCsvText(table));
        ASSERT_EQ(imported.problems, std::vector<std::string>{});
        for (int i = 0; i < FreqChannelCount; ++i) {
            EXPECT_EQ(imported.table[i].FreqKHz, table[i].FreqKHz);
            EXPECT_EQ(imported.table[i].Name(), table[i].Name());
            EXPECT_EQ(imported.table[i].Type(), table[i].Type());
        }
    }
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
    expected[6] = Record(121500, "A,\"B\"", "L1\r\nL2");
    expected[99] = Record(118000, "TWR   ", "\xC9t\xE9");
    expected[0] = Record(-5, "", "");
    expected[1] = Record(250, "", "x");
    EXPECT_EQ(imported.table, expected);
}

TEST(FreqCsv, EveryBadRowIsReportedWithItsLineAndReason) {
    const FreqCsvImport imported = ParseFreqCsv(std::string(kHeader) +
                                                "0,118.000,,\n"
                                                "101,118.000,,\n"
                                                "x,118.000,,\n"
                                                "5,118.000,,\n"
                                                "5,121.500,,\n"
                                                "6,abc,,\n"
                                                "7,2147483.648,,\n"
                                                "8,-2147483.649,,\n"
                                                "9,118.0005,,\n"
                                                "10,118.000,ABCDEFG,\n"
                                                "11,118.000,,\xCE\xA9\n"
                                                "12,118.000,\xFF,\n"
                                                "13,118.000,\"a\nb\",x\n"
                                                "14,118.000,\n"
                                                "15,118.000,a\"b,\n"
                                                "16,118.000,\"a\"b,\n"
                                                "17,x,1234567,\xCE\xA9\n"
                                                "18,118.000,,\"never closed\n");
    const std::vector<std::string> expected = {
        "line 2: channel 0 is outside 1..100",
        "line 3: channel 101 is outside 1..100",
        "line 4: channel \"x\" is not a number",
        "line 6: channel 5 was given before, on line 5",
        "line 7: frequency \"abc\" is not a number",
        "line 8: frequency 2147483.648 does not fit a 32-bit kHz value",
        "line 9: frequency -2147483.649 does not fit a 32-bit kHz value",
        "line 10: frequency 118.0005 is not a whole number of kHz",
        "line 11: name \"ABCDEFG\" has more than 6 characters",
        "line 12: type \"\xCE\xA9\" has a character outside Latin-1",
        "line 13: name is not valid UTF-8",
        "line 16: 3 fields where 4 are expected (channel,frequency_mhz,name,type)",
        "line 17: a quote in a field that does not start with one",
        "line 18: text follows the closing quote of a field",
        "line 19: frequency \"x\" is not a number; name \"1234567\" has more than 6 characters; type \"\xCE\xA9\" has "
        "a "
        "character outside Latin-1",
        "line 20: a quoted field is not closed",
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
