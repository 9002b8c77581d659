#pragma once
#include <iosfwd>
#include <string>

// Converts a frequency database between its two file forms, chosen by the
// extensions (in any case): a .dat file to a .csv file or a .csv file to a
// .dat file. Needs no window and touches no global state.
//
// Every problem goes to `errors` as one line naming the file: the cause
// ("in.dat: File not found", "out.csv: Disk full") or each bad row of a CSV
// file ("in.csv: line 7: channel 101 is outside 1..100"). A record whose
// frequency lies outside the band the transceiver tunes is converted as it
// is, so that nothing is lost, with a warning line naming its line (its
// channel in a .dat file) and its value: "in.csv: line 5: frequency 999.999
// is outside 108.000-136.975 MHz; kept".
//
// Returns the exit status: 0 when the output file was written; 1 when the
// input could not be read or holds a bad row, or the output could not be
// written (no output file is then written or changed); 2 for any other pair
// of extensions.
int ConvertFrequencyFile(const std::string& inPath, const std::string& outPath, std::ostream& errors);
