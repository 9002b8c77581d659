#pragma once
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields separated by commas,
// records by line breaks, a field in double quotes when it holds a comma, a
// quote or a line break, with each quote inside doubled.

// The field as it goes into a line: quoted when it must be, else as it is.
std::string CsvField(std::string_view text);

// One record of a CSV text.
struct CsvRecord {
    int line = 0;  // the line it starts on, from 1
    std::vector<std::string> fields;
    // Why the record could not be read (a quote in a field that does not start
    // with one, text after a closing quote, a quote never closed); empty when
    // it was read whole.
    std::string error;
};

// Splits a text into its records. A record ends at CRLF, LF or CR outside
// quotes; the last line needs no line break. Empty lines give no record, and
// a UTF-8 byte order mark at the start is skipped. After a record with an
// error, reading goes on at the next line.
std::vector<CsvRecord> SplitCsv(std::string_view text);
