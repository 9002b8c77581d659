#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// A frequency as CSV files write it, in MHz: an optional sign, then digits
// with at most one decimal point ("118.000", "+118", "-.005", ".25"). A
// decimal comma counts as the point when the text has no point ("121,500", as
// spreadsheets in much of Europe write it).
struct MhzNumber {
    // The value in whole kHz; capped far beyond any 32-bit kHz value, for the
    // caller to refuse.
    int64_t kHz = 0;
    // Decimals after the third that are not zeros ("118.0005").
    bool finerThanKHz = false;
};

// Nothing when the text (without surrounding blanks) is not such a number.
std::optional<MhzNumber> ReadMhzNumber(std::string_view text);
