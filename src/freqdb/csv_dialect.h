#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/csv_fields.h"

// CSV files from spreadsheets and other programs come in several dialects:
// UTF-8 or a Western single-byte code, commas, semicolons or tabs between
// the fields, columns in any order under their names. These find out how a
// file is written.

// The text as UTF-8 without a byte order mark: as it is when it is valid
// UTF-8, else each byte taken as the Latin-1 character of that code. A
// Windows-1252 file thus keeps its bytes, which are what a .dat record holds.
std::string TextAsUtf8(std::string_view bytes);

// The separator of the header, the first line that is not empty: of comma,
// semicolon and tab, the one it holds most often outside quotes (a comma on
// a tie or when it holds none).
char HeaderSeparator(std::string_view text);

// How a message names the fields a separator found: "separated by
// semicolons".
std::string SeparatedBy(char separator);

// The text without the spaces and tabs around it.
std::string_view Trimmed(std::string_view text);

// True when every field of a read record is empty or blank, as the rows a
// spreadsheet writes for empty lines.
bool IsBlankRecord(const CsvRecord& record);

// Where the named columns stand in a header record, in the order of `names`;
// header fields are matched case-insensitively and without surrounding
// blanks, and other columns are left alone. `problem` says which names are
// missing or given twice ("the header has no column type"); the positions
// are only meaningful when it is empty.
struct CsvColumns {
    std::vector<std::size_t> positions;
    std::string problem;
};
CsvColumns FindCsvColumns(const std::vector<std::string>& header, std::span<const std::string_view> names);
