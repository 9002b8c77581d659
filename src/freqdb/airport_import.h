#pragma once
#include <iosfwd>
#include <span>
#include <string>

#include "freqdb/airport_frequencies.h"

// Airport frequencies taken from a list file (freqdb/airport_frequencies.h)
// into a frequency database.

// Reads the list (bounded as freqdb/import_file.h says) and selects the
// channels of the airports. A file that cannot be read gives its cause
// ("File not found") as the error.
AirportSelection ReadAirportFrequencies(const std::string& listPath, std::span<const std::string> idents);

// True for the files WriteAirportDatabase writes: a .dat or .csv file, by the
// extension in any case.
bool IsAirportOutputPath(const std::string& path);

// Writes the channels of the airports as a new database, channel 1 first, the
// channels after the last one filled never given; the extension decides
// between a .dat and a .csv file. Needs no window and touches no global
// state. The skipped rows and the idents not found go to `errors`, one line
// each naming the list ("list.csv: line 8: EDDF TWR 118.030: 8.33 kHz
// channel", "list.csv: EDXX was not found").
//
// Returns the exit status: 0 when the file was written with at least one
// channel; 1 (with one line saying why, and no file written or changed) when
// the list cannot be read or lacks those columns, no channel was found, more
// than 100 would be needed, or the output cannot be written; 2 for an output
// that is neither .dat nor .csv.
int WriteAirportDatabase(const std::string& listPath, std::span<const std::string> idents, const std::string& outPath,
                         std::ostream& errors);

// PlaceAirportChannels into the database's table from channel index `start`
// on. Returns false, changing nothing, when they do not fit; else the table
// then differs from the current file (Dirty).
bool FreqDbPlaceAirportChannels(FreqDatabase& db, std::span<const FreqRecord> channels, int start);
