#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "freqdb/airport_frequencies.h"
#include "freqdb/airport_import.h"
#include "freqdb/freq_csv.h"
#include "freqdb/freq_edit_text.h"
#include "freqdb/import_file.h"
#include "support/freq_record.h"
#include "support/scratch_folder.h"

namespace {

constexpr const char* kHeader = "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n";

// Rows as the public export has them, airports interleaved.
constexpr const char* kExportRows =
    "52760,2212,\"EDDF\",\"APP\",\"LANGEN RADAR\",120.8\n"                                   // 2
    "52761,2212,\"EDDF\",\"APP\",\"LANGEN RADAR\",118.5\n"                                   // 3
    "52762,2212,\"EDDF\",\"ATIS\",\"ATIS\",118.025\n"                                        // 4
    "52763,2212,\"EDDF\",\"ATIS\",\"ATIS\",118.725\n"                                        // 5
    "52764,2212,\"EDDF\",\"CLD\",\"DELIVERY\",121.9\n"                                       // 6
    "52765,2212,\"EDDF\",\"GND\",\"APRON\",121.85\n"                                         // 7
    "52766,2212,\"EDDF\",\"GND\",\"GROUND\",121.8\n"                                         // 8
    "52769,2212,\"EDDF\",\"TWR\",\"FRANKFURT TOWER / TURM (SOUTH)\",119.905\n"               // 9
    "52770,2212,\"EDDF\",\"TWR\",\"FRANKFURT TOWER\",119.9\n"                                // 10
    "52771,2212,\"EDDF\",\"DEP\",\"LANGEN RADAR\",120.15\n"                                  // 11
    "52772,2212,\"EDDF\",\"APP/DEP\",\"\",120.8\n"                                           // 12
    "52773,2212,\"EDDF\",\"RDO\",\"FRANKFURT INFORMATION\",322.1\n"                          // 13
    "52774,2212,\"EDDF\",\"misc\",\"VOLMET\",127.6\n"                                        // 14
    "52775,2212,\"EDDF\",\"GND\",\"\",121.805\n"                                             // 15
    "52776,2212,\"EDDF\",\"UNIC\",\"\",30.45\n"                                              // 16
    "52777,2212,\"EDDF\",\"A/D\",\"\",836.4\n"                                               // 17
    "328118,38713,\"AR-0038\",\"CTAF\",\"\"\"Alvear\"\"\",123.5\n"                           // 18
    "328119,38713,\"AR-0038\",\"ctaf\",\"\",122.1\n"                                         // 19
    "4001,3000,\"KJFK\",\"ATIS\",\"KENNEDY ATIS\",128.725\n"                                 // 20
    "4002,3000,\"KJFK\",\"CLD\",\"CLNC DEL\",135.05\n"                                       // 21
    "4003,3000,\"KJFK\",\"GND\",\"\",121.9\n"                                                // 22
    "4004,3000,\"KJFK\",\"TWR\",\"\",119.1\n"                                                // 23
    "4005,3000,\"KJFK\",\"APP\",\"NEW YORK APPROACH\",127.4\n"                               // 24
    "4006,3000,\"KJFK\",\"DEP\",\"\",135.9\n"                                                // 25
    "4007,3000,\"KJFK\",\"A/D\",\"\",118.030\n"                                              // 26
    "5001,4000,\"LFPG\",\"TWR\",\"CHARLES-DE-GAULLE TOUR\",118.65\n"                         // 27
    "7001,6000,\"LSZH\",\"TWR\",\"Z\xC3\x9CRICH TURM\",118.1\n"                              // 28
    "6001,5000,\"EDFE\",\"A/D\",\"EGELSBACH INFO\",118.3\n"                                  // 29
    "6002,5000,\"EDFE\",\"A/D\",\"\",abc\n"                                                  // 30
    "6003,5000,\"EDFE\",\"INFO/RADIO\",\"\",123\n"                                           // 31
    "6004,5000,\"EDFE\",\"\xD0\x9F\xD0\x9E\xD0\x94\xD0\xA5\xD0\x9E\xD0\x94\",\"\",129.0\n";  // 32

std::vector<std::string> Described(const std::vector<FreqRecord>& channels) {
    std::vector<std::string> lines;
    for (const FreqRecord& channel : channels)
        lines.push_back(std::string(channel.Name()) + " " + std::string(channel.Type()) + " " +
                        FreqMhzText(channel.FreqKHz));
    return lines;
}

}  // namespace

// Idents in the order given, types in their order, frequencies the unit can
// tune once each; everything else named with its line and reason.
TEST(AirportFrequencies, AnExportGivesTheAirportsChannelsInOrder) {
    const std::vector<std::string> idents = {"eddf", "AR-0038", "EDFE", "kjfk", "XXXX", "EDDF"};
    const AirportSelection selection = SelectAirportFrequencies(std::string(kHeader) + kExportRows, idents);
    ASSERT_EQ(selection.error, "");
    const std::vector<std::string> channels = {
        "EDDF ATIS 118.025",   "EDDF ATIS 118.725",   "EDDF CLD 121.900", "EDDF GND 121.800",    "EDDF GND 121.850",
        "EDDF TWR 119.900",    "EDDF DEP 120.150",    "EDDF APP 118.500", "EDDF APP 120.800",    "EDDF MISC 127.600",
        "AR-003 CTAF 122.100", "AR-003 CTAF 123.500", "EDFE A/D 118.300", "EDFE INFO/R 123.000", "EDFE ?????? 129.000",
        "KJFK ATIS 128.725",   "KJFK CLD 135.050",    "KJFK GND 121.900", "KJFK TWR 119.100",    "KJFK DEP 135.900",
        "KJFK APP 127.400",
    };
    EXPECT_EQ(Described(selection.channels), channels);
    const std::vector<std::string> skipped = {
        "line 9: EDDF TWR 119.905: 8.33 kHz channel",  "line 12: EDDF APP/DEP 120.8: duplicate of APP",
        "line 13: EDDF RDO 322.1: out of band",        "line 15: EDDF GND 121.805: 8.33 kHz channel",
        "line 16: EDDF UNIC 30.45: out of band",       "line 17: EDDF A/D 836.4: out of band",
        "line 26: KJFK A/D 118.030: 8.33 kHz channel", "line 30: EDFE A/D abc: not a number",
    };
    EXPECT_EQ(selection.skipped, skipped);
    EXPECT_EQ(selection.notFound, std::vector<std::string>{"XXXX"});
}

// From the start channel on: the channels before it stay, the rest is cleared.
TEST(AirportFrequencies, PlacingKeepsTheChannelsBeforeTheStart) {
    FreqChannels table = UnsetFreqChannels();
    for (FreqRecord& record : table) record = MakeRecord(124000, "OLD", "X");
    const std::vector<FreqRecord> channels(3, MakeRecord(118500, "EDDF", "APP"));
    const std::optional<FreqChannels> placed = PlaceAirportChannels(table, channels, 4);
    ASSERT_TRUE(placed);
    EXPECT_EQ((*placed)[3], table[3]);
    EXPECT_EQ((*placed)[6], channels[2]);
    EXPECT_EQ((*placed)[7], UnsetFreqChannels()[7]);
    EXPECT_TRUE(PlaceAirportChannels(table, channels, 97));
    EXPECT_FALSE(PlaceAirportChannels(table, channels, 98));
}

// The command line's work: one line and exit 1 for a list it cannot use,
// nothing written; the skipped rows and unknown idents on success.
TEST(AirportFrequencies, BadListsAreRefusedInOneLineAndWriteNothing) {
    ScratchFolder folder;
    const auto write = [&](const char* name, const std::string& text) {
        WriteBytes(folder.File(name), {text.begin(), text.end()});
    };
    const std::string good = std::string(kHeader) + kExportRows;
    write("good.csv", good);
    write("cut.csv", good.substr(0, good.find("LANGEN RADAR\",118.5") + 3));
    write("short.csv", good.substr(0, good.find(",118.5")));
    write("own.csv", FreqCsvText(UnsetFreqChannels()));
    constexpr char kJunk[] =
        "\x7F"
        "ELF\0\x01\"\x02\n\xFF,,\x80";
    write("junk.csv", std::string(kJunk, sizeof kJunk - 1));
    std::string many = kHeader;
    for (int i = 0; i < 101; ++i) many += "1,2,\"BIG\",\"TWR\",\"\"," + FreqMhzText(118000 + 25 * i) + "\n";
    write("many.csv", many);
    write("huge.csv", "");
    std::filesystem::resize_file(folder.File("huge.csv"), MaxImportFileSize + 1);
    ASSERT_EQ(::mkfifo(folder.File("fifo.csv").c_str(), 0600), 0);
    const struct {
        const char* list;
        const char* idents;
        const char* out;
        int status;
        std::string firstLine;
        long lines = 1;
    } cases[] = {
        {"absent.csv", "EDDF", "out.dat", 1, "absent.csv: File not found"},
        {"fifo.csv", "EDDF", "out.dat", 1, "fifo.csv: not a regular file (a pipe, a device or a socket)"},
        {"huge.csv", "EDDF", "out.dat", 1, "huge.csv: larger than 64 MB, more than any frequency list"},
        {"cut.csv", "EDDF", "out.dat", 1,
         "cut.csv: line 3: a quoted field is not closed; the file is damaged or cut short"},
        {"short.csv", "EDDF", "out.dat", 1,
         "short.csv: line 3: 5 fields where the header has 6; the file is damaged or cut short"},
        {"own.csv", "EDDF", "out.dat", 1,
         "own.csv: line 1: the header has no column airport_ident (it has 4 fields separated by commas); a list of "
         "airport frequencies names airport_ident, type and frequency_mhz"},
        {"junk.csv", "EDDF", "out.dat", 1, "junk.csv: line 1: a quote in a field that does not start with one"},
        {"many.csv", "BIG", "out.dat", 1,
         "many.csv: 101 channels would be needed, more than the 100 of a database; nothing was written"},
        {"good.csv", "XXXX", "out.csv", 1, "good.csv: XXXX was not found", 2},
        {"good.csv", "EDDF", "out.txt", 2, "out.txt: a database is written as a .dat or a .csv file"},
        {"good.csv", "kjfk,XXXX", "out.CSV", 0, "good.csv: line 26: KJFK A/D 118.030: 8.33 kHz channel", 2},
    };
    for (const auto& c : cases) {
        std::ostringstream errors;
        const std::vector<std::string> idents = AirportIdentList(c.idents);
        EXPECT_EQ(WriteAirportDatabase(folder.File(c.list), idents, folder.File(c.out), errors), c.status) << c.list;
        const std::string text = errors.str();
        EXPECT_EQ(text.substr(0, text.find('\n')), folder.File(c.firstLine)) << c.list;
        EXPECT_EQ(std::ranges::count(text, '\n'), c.lines) << text;
        EXPECT_EQ(std::filesystem::exists(folder.File(c.out)), c.status == 0) << c.list;
    }
    std::vector<uint8_t> written = ReadBytes(folder.File("out.CSV"));
    const FreqCsvImport imported = ParseFreqCsv({reinterpret_cast<const char*>(written.data()), written.size()});
    EXPECT_EQ(imported.table[5], MakeRecord(127400, "KJFK", "APP"));
    EXPECT_EQ(imported.table[6], UnsetFreqChannels()[6]);
}
