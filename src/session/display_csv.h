#pragma once
#include <cstdint>
#include <string>

#include "message/display_message.h"

// The CSV export: the header line, then one row per display message, in the
// columns of the table in display_csv.cpp. Lines end in CR LF and a field
// holding a comma or a double quote is quoted as RFC 4180 asks.
//
// Names and types are the six display codes as sent: printable ASCII as it
// is (the backslash included), any other code as \xNN (two upper-case hex
// digits).

// The header line, line end included.
std::string CsvHeaderLine();

// Appends the row of a message that arrived `micros` after the recording
// started, line end included.
void AppendCsvRow(std::string& out, uint64_t micros, const DisplayMessage& message);
