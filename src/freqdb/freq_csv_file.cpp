#include "freqdb/freq_csv_file.h"

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "freqdb/freq_csv.h"

std::vector<std::string> ReadFreqCsvFile(const std::string& path, FreqChannels& table) {
    std::string text;
    if (const int error = ReadTextFile(path, text)) return {FileErrorText(error)};
    FreqCsvImport imported = ParseFreqCsv(text);
    if (imported.problems.empty()) table = imported.table;
    return std::move(imported.problems);
}

std::string WriteFreqCsvFile(const std::string& path, const FreqChannels& table) {
    const std::string text = FreqCsvText(table);
    return WriteFreqFile(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

std::vector<std::string> FreqDbImportCsv(const std::string& path) {
    std::vector<std::string> problems = ReadFreqCsvFile(path, FreqTable);
    if (problems.empty()) FreqDbDirty = true;
    return problems;
}

std::string FreqDbExportCsv(const std::string& path) { return WriteFreqCsvFile(path, FreqTable); }
