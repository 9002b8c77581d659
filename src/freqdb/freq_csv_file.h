#pragma once
#include <string>
#include <vector>

#include "freqdb/freq_database.h"

// CSV files of the frequency database (the form is in freqdb/freq_csv.h).

// Reads a CSV file into the table, all or nothing. Returns the problems: the
// file's cause ("File not found") or one line per bad row; none on success.
std::vector<std::string> ReadFreqCsvFile(const std::string& path, FreqChannels& table);
// Writes the table as a CSV file through WriteFreqFile; an empty string or
// the cause.
std::string WriteFreqCsvFile(const std::string& path, const FreqChannels& table);

// ReadFreqCsvFile into FreqTable. An import that succeeds sets FreqDbDirty;
// with any problem FreqTable stays as it was.
std::vector<std::string> FreqDbImportCsv(const std::string& path);
// WriteFreqCsvFile of FreqTable; the current file and FreqDbDirty stay.
std::string FreqDbExportCsv(const std::string& path);
