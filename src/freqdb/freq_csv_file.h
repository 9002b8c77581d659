#pragma once
#include <string>
#include <vector>

#include "freqdb/freq_csv.h"
#include "freqdb/freq_database.h"

// CSV files of the frequency database (the form is in freqdb/freq_csv.h).

// Reads a CSV file (freqdb/import_file.h bounds what is read) as
// ParseFreqCsv does. A file that cannot be read gives its cause ("File not
// found") as the one problem.
FreqCsvImport ReadFreqCsvFile(const std::string& path, OutOfBand outOfBand);
// Writes the table as a CSV file through WriteFreqFile; an empty string or
// the cause.
std::string WriteFreqCsvFile(const std::string& path, const FreqChannels& table, const FileWriteSeams& seams = {});

// ReadFreqCsvFile into the database's table, all or nothing, refusing
// frequencies outside the band. Returns the problems: the file's cause or one
// line per bad row; none on success. An import that succeeds marks the
// database dirty; with any problem the table stays as it was.
std::vector<std::string> FreqDbImportCsv(FreqDatabase& db, const std::string& path);
// WriteFreqCsvFile of the database's table, through the database's write
// seams; its current file and Dirty stay.
std::string FreqDbExportCsv(const FreqDatabase& db, const std::string& path);
