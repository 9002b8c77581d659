// Any bytes as a CSV file of the frequency database, read with ParseFreqCsv.
//
// Checked: an import that fails names a line in every problem; one that
// succeeds gives names and types within their records, and the table it gives
// exports and imports again unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "freqdb/freq_csv.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FreqCsvImport imported = ParseFreqCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& problem : imported.problems)
        FuzzCheck(problem.starts_with("line "), "every problem names its line");
    if (!imported.problems.empty()) return 0;

    for (const FreqRecord& record : imported.table)
        FuzzCheck(record.NameLength <= FreqTextCapacity && record.TypeLength <= FreqTextCapacity,
                  "names and types stay within their record");
    const FreqCsvImport again = ParseFreqCsv(FreqCsvText(imported.table));
    FuzzCheck(again.problems.empty() && again.table == imported.table,
              "an imported table exports and imports as it was");
    return 0;
}
