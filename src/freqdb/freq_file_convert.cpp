#include "freqdb/freq_file_convert.h"

#include <ostream>
#include <vector>

#include "common/file_extension.h"
#include "freqdb/freq_csv_file.h"
#include "freqdb/freq_database.h"

namespace {

std::vector<std::string> ReadDat(const std::string& path, FreqChannels& table) {
    std::string error = ReadFreqDatFile(path, table);
    if (error.empty()) return {};
    return {std::move(error)};
}

struct Conversion {
    std::string_view from;
    std::string_view to;
    std::vector<std::string> (*read)(const std::string& path, FreqChannels& table);
    std::string (*write)(const std::string& path, const FreqChannels& table);
};

constexpr Conversion kConversions[] = {
    {".dat", ".csv", ReadDat, WriteFreqCsvFile},
    {".csv", ".dat", ReadFreqCsvFile, WriteFreqDatFile},
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
    const std::vector<std::string> problems = conversion->read(inPath, table);
    for (const std::string& problem : problems) errors << inPath << ": " << problem << '\n';
    if (!problems.empty()) return 1;
    if (const std::string error = conversion->write(outPath, table); !error.empty()) {
        errors << outPath << ": " << error << '\n';
        return 1;
    }
    return 0;
}
