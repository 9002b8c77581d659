#include "freqdb/freq_csv_file.h"

#include "freqdb/import_file.h"

FreqCsvImport ReadFreqCsvFile(const std::string& path, OutOfBand outOfBand) {
    std::string text;
    if (std::string error = ReadImportFile(path, text); !error.empty()) return {{}, {std::move(error)}, {}};
    return ParseFreqCsv(text, outOfBand);
}

std::string WriteFreqCsvFile(const std::string& path, const FreqChannels& table, const FileWriteSeams& seams) {
    const std::string text = FreqCsvText(table);
    return WriteFreqFile(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, seams);
}

std::vector<std::string> FreqDbImportCsv(FreqDatabase& db, const std::string& path) {
    FreqCsvImport imported = ReadFreqCsvFile(path, OutOfBand::Refused);
    if (imported.problems.empty()) {
        db.Table = imported.table;
        db.Dirty = true;
    }
    return std::move(imported.problems);
}

std::string FreqDbExportCsv(const FreqDatabase& db, const std::string& path) {
    return WriteFreqCsvFile(path, db.Table, db.WriteSeams);
}
