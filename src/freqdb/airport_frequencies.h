#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "freqdb/freq_database.h"

// Channels from a public list of airport frequencies, a CSV file with one row
// per frequency of an airport:
//
//   "id","airport_ref","airport_ident","type","description","frequency_mhz"
//   52769,2212,"EDDF","TWR","FRANKFURT TOWER / TURM (SOUTH)",119.905
//
// Only the columns airport_ident, type and frequency_mhz are read (found by
// name, in any order); the list is UTF-8 and holds every airport of the
// world, with many frequencies the transceiver cannot tune.
//
// The channels follow the idents in the order given (matched in any case).
// Within one airport the types run ATIS, CLD, GND, TWR, DEP, APP, A/D, then
// every other type alphabetically, equal types by ascending frequency. A
// frequency is taken only when it lies in the band (108.000-136.975 MHz) on
// the 25 kHz grid, and once per airport. Each channel's name is the ident and
// its type the type column, both in upper case and cut to 6 characters
// (characters outside Latin-1 become '?').

struct AirportSelection {
    // Why the file cannot be used ("line 1: the header has no column type
    // ..."); when set, nothing else is filled.
    std::string error;
    // The channels, in channel order.
    std::vector<FreqRecord> channels;
    // The rows of the airports asked for that gave no channel, in file order:
    // "line 8: EDDF TWR 118.030: 8.33 kHz channel" (or out of band, not a
    // number, duplicate of another type).
    std::vector<std::string> skipped;
    // The idents given that no row names, as given.
    std::vector<std::string> notFound;
};

// Reads the list and selects the channels of the airports. A row that is not
// whole CSV (a quote never closed, another number of fields than the header
// has, as a file cut short ends) makes the whole file unusable. Rows whose
// fields are all blank are skipped.
AirportSelection SelectAirportFrequencies(std::string_view text, std::span<const std::string> idents);

// The table with the channels placed from channel index `start` (0..99) on:
// the channels before it kept, the selection's next, every later one unset
// (118.000, no name or type). Nothing when they do not fit before channel
// 100.
std::optional<FreqChannels> PlaceAirportChannels(const FreqChannels& table, std::span<const FreqRecord> channels,
                                                 int start);

// The idents of a command line's "EDDF,edds,EDFE" list, blanks around each
// removed; nothing when the list or one of its items is empty.
std::vector<std::string> AirportIdentList(std::string_view list);
