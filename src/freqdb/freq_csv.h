#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "freqdb/freq_database.h"

// The frequency database as comma-separated values for spreadsheets and other
// programs: UTF-8, the header line, then one row per channel.
//
//   column         content
//   channel        the channel number, 1..100
//   frequency_mhz  FreqKHz in MHz with three decimals, as the editor lists it
//                  (118.000; a stored -12345 as -12.345)
//   name           the name as stored (its length byte decides), each Latin-1
//                  character in UTF-8
//   type           the type, as the name
//
// Fields are quoted where RFC 4180 asks for it and lines end in CRLF.

// "channel,frequency_mhz,name,type"
std::string FreqCsvHeader();

// The table as CSV: the header and 100 rows, channel 1 first.
std::string FreqCsvText(const FreqChannels& table);

// What an import does with a row whose frequency lies outside the band the
// transceiver tunes (108.000-136.975 MHz): refuse it like any bad row, or take
// it and warn (a conversion keeps what a .dat file may hold).
enum class OutOfBand { Refused, Kept };

struct FreqCsvImport {
    FreqChannels table;
    // One line per bad row, "line 7: channel 101 is outside 1..100"; the
    // table is only meaningful when there are none.
    std::vector<std::string> problems;
    // With OutOfBand::Kept, one line per row taken with a frequency outside
    // the band: "line 5: frequency 999.999 is outside 108.000-136.975 MHz".
    std::vector<std::string> warnings;
};

// Reads CSV text in the form above, or as a spreadsheet writes it: UTF-8 with
// or without a byte order mark, else Latin-1 (each byte the character of
// that code); fields separated by commas, semicolons or tabs, whichever the
// header line uses; the four columns found by their names in the header, in
// any case and order, other columns ignored; CRLF or LF; rows whose fields
// are all blank skipped. Rows may come in any order; a channel without a row
// gets 118.000 and an empty name and type. Spaces around the channel and the
// frequency are ignored; the frequency may have a decimal comma instead of
// the point, fewer than three decimals, or more when they are zeros. A row is
// bad when it has other than the header's number of fields, its channel lies
// outside 1..100 or was given before, its frequency is not a number, not a
// 32-bit kHz value or (when refused) outside the band, or its name or type
// has more than 6 characters or one outside Latin-1. What CSV does not carry
// (the reserved bytes, characters after a length) is zero.
FreqCsvImport ParseFreqCsv(std::string_view text, OutOfBand outOfBand = OutOfBand::Refused);
