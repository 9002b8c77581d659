#include "freqdb/freq_file_convert.h"

#include <ostream>
#include <vector>

#include "common/file_extension.h"
#include "freqdb/freq_csv_file.h"
#include "freqdb/freq_database.h"
#include "freqdb/freq_edit_text.h"

namespace {

// What reading the input gave: the cause or the bad rows, and the records
// kept with a frequency outside the band.
struct InputRead {
    std::vector<std::string> problems;
    std::vector<std::string> warnings;
};

InputRead ReadDat(const std::string& path, FreqChannels& table) {
    if (std::string error = ReadFreqDatFile(path, table); !error.empty()) return {{std::move(error)}, {}};
    InputRead read;
    for (int i = 0; i < FreqChannelCount; ++i)
        if (!InFreqBand(table[i].FreqKHz))
            read.warnings.push_back("channel " + std::to_string(i + 1) + ": frequency " +
                                    FreqMhzText(table[i].FreqKHz) + " is outside " + FreqBandText());
    return read;
}

InputRead ReadCsv(const std::string& path, FreqChannels& table) {
    FreqCsvImport imported = ReadFreqCsvFile(path, OutOfBand::Kept);
    table = imported.table;
    return {std::move(imported.problems), std::move(imported.warnings)};
}

struct Conversion {
    std::string_view from;
    std::string_view to;
    InputRead (*read)(const std::string& path, FreqChannels& table);
    std::string (*write)(const std::string& path, const FreqChannels& table, const FileWriteSeams& seams);
};

constexpr Conversion kConversions[] = {
    {".dat", ".csv", ReadDat, WriteFreqCsvFile},
    {".csv", ".dat", ReadCsv, WriteFreqDatFile},
};

const Conversion* FindConversion(const std::string& inPath, const std::string& outPath) {
    const std::string from = LowerCaseExtension(inPath);
    const std::string to = LowerCaseExtension(outPath);
    for (const Conversion& conversion : kConversions)
        if (conversion.from == from && conversion.to == to) return &conversion;
    return nullptr;
}

}  // namespace

int ConvertFrequencyFile(const std::string& inPath, const std::string& outPath, std::ostream& errors) {
    const Conversion* conversion = FindConversion(inPath, outPath);
    if (!conversion) {
        errors << "cannot convert " << inPath << " to " << outPath
               << ": give a .dat file and a .csv file, in either order\n";
        return 2;
    }
    FreqChannels table{};
    const InputRead read = conversion->read(inPath, table);
    for (const std::string& problem : read.problems) errors << inPath << ": " << problem << '\n';
    if (!read.problems.empty()) return 1;
    if (const std::string error = conversion->write(outPath, table, {}); !error.empty()) {
        errors << outPath << ": " << error << '\n';
        return 1;
    }
    for (const std::string& warning : read.warnings) errors << inPath << ": " << warning << "; kept\n";
    return 0;
}
