#include "freqdb/airport_import.h"

#include <ostream>

#include "common/file_extension.h"
#include "freqdb/freq_csv_file.h"
#include "freqdb/import_file.h"

namespace {

struct OutputKind {
    std::string_view extension;
    std::string (*write)(const std::string& path, const FreqChannels& table, const FileWriteSeams& seams);
};

constexpr OutputKind kOutputKinds[] = {{".dat", WriteFreqDatFile}, {".csv", WriteFreqCsvFile}};

const OutputKind* FindOutputKind(const std::string& path) {
    const std::string extension = LowerCaseExtension(path);
    for (const OutputKind& kind : kOutputKinds)
        if (kind.extension == extension) return &kind;
    return nullptr;
}

std::string Listed(std::span<const std::string> idents) {
    std::string text;
    for (const std::string& ident : idents) text += (text.empty() ? "" : ", ") + ident;
    return text;
}

}  // namespace

AirportSelection ReadAirportFrequencies(const std::string& listPath, std::span<const std::string> idents) {
    std::string text;
    if (std::string error = ReadImportFile(listPath, text); !error.empty()) return {std::move(error), {}, {}, {}};
    return SelectAirportFrequencies(text, idents);
}

bool IsAirportOutputPath(const std::string& path) { return FindOutputKind(path) != nullptr; }

int WriteAirportDatabase(const std::string& listPath, std::span<const std::string> idents, const std::string& outPath,
                         std::ostream& errors) {
    const OutputKind* output = FindOutputKind(outPath);
    if (!output) {
        errors << outPath << ": a database is written as a .dat or a .csv file\n";
        return 2;
    }
    const AirportSelection selection = ReadAirportFrequencies(listPath, idents);
    if (!selection.error.empty()) {
        errors << listPath << ": " << selection.error << '\n';
        return 1;
    }
    for (const std::string& skipped : selection.skipped) errors << listPath << ": " << skipped << '\n';
    for (const std::string& ident : selection.notFound) errors << listPath << ": " << ident << " was not found\n";
    if (selection.channels.empty()) {
        errors << listPath << ": no usable frequency of " << Listed(idents) << "; nothing was written\n";
        return 1;
    }
    const std::optional<FreqChannels> table = PlaceAirportChannels(UnsetFreqChannels(), selection.channels, 0);
    if (!table) {
        errors << listPath << ": " << selection.channels.size() << " channels would be needed, more than the "
               << FreqChannelCount << " of a database; nothing was written\n";
        return 1;
    }
    if (const std::string error = output->write(outPath, *table, {}); !error.empty()) {
        errors << outPath << ": " << error << '\n';
        return 1;
    }
    return 0;
}

bool FreqDbPlaceAirportChannels(FreqDatabase& db, std::span<const FreqRecord> channels, int start) {
    const std::optional<FreqChannels> table = PlaceAirportChannels(db.Table, channels, start);
    if (!table) return false;
    db.Table = *table;
    db.Dirty = true;
    return true;
}
