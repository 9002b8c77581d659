#include "freqdb/freq_csv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "common/csv_fields.h"
#include "common/latin1_utf8.h"
#include "freqdb/csv_dialect.h"
#include "freqdb/freq_edit_text.h"
#include "freqdb/mhz_number.h"

namespace {

constexpr char32_t kLastLatin1 = 0xFF;

// A row while it is read: the channel index it names, the record it fills and
// the frequency as written, for messages about it.
struct FreqCsvRow {
    int channel = -1;
    FreqRecord record;
    std::string_view frequencyText;
    bool frequencyRead = false;
};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WriteChannel(int channelIndex, const FreqRecord&) { return std::to_string(channelIndex + 1); }

std::string ReadChannel(std::string_view field, FreqCsvRow& row) {
    const std::string_view text = Trimmed(field);
    if (text.empty() || !std::ranges::all_of(text, IsDigit)) return "channel " + Quoted(text) + " is not a number";
    const std::string_view digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (digits.empty() || digits.size() > 3 || std::stoi(std::string(digits)) > FreqChannelCount)
        return "channel " + std::string(text) + " is outside 1..100";
    row.channel = std::stoi(std::string(digits)) - 1;
    return {};
}

std::string WriteFrequency(int, const FreqRecord& record) { return FreqMhzText(record.FreqKHz); }

std::string ReadFrequency(std::string_view field, FreqCsvRow& row) {
    const std::string_view text = Trimmed(field);
    const std::optional<MhzNumber> number = ReadMhzNumber(text);
    if (!number) return "frequency " + Quoted(text) + " is not a number";
    if (number->finerThanKHz) return "frequency " + std::string(text) + " is not a whole number of kHz";
    if (number->kHz < std::numeric_limits<int32_t>::min() || number->kHz > std::numeric_limits<int32_t>::max())
        return "frequency " + std::string(text) + " does not fit a 32-bit kHz value";
    row.record.FreqKHz = static_cast<int32_t>(number->kHz);
    row.frequencyText = text;
    row.frequencyRead = true;
    return {};
}

// The field's characters as Latin-1 bytes, or why they cannot be. The field
// is UTF-8: the whole text was made so before it was split.
std::string Latin1Text(std::string_view field, const char* what, std::string& latin1) {
    const std::u32string text = DecodeUtf8(field).value_or(std::u32string());
    if (text.size() > FreqTextCapacity)
        return std::string(what) + " " + Quoted(field) + " has more than " + std::to_string(FreqTextCapacity) +
               " characters";
    if (std::ranges::any_of(text, [](char32_t c) { return c > kLastLatin1; }))
        return std::string(what) + " " + Quoted(field) + " has a character outside Latin-1";
    latin1.assign(text.begin(), text.end());
    return {};
}

std::string WriteName(int, const FreqRecord& record) { return Latin1ToUtf8(record.Name()); }

std::string ReadName(std::string_view field, FreqCsvRow& row) {
    std::string name;
    std::string problem = Latin1Text(field, "name", name);
    row.record.SetName(name);
    return problem;
}

std::string WriteType(int, const FreqRecord& record) { return Latin1ToUtf8(record.Type()); }

std::string ReadType(std::string_view field, FreqCsvRow& row) {
    std::string type;
    std::string problem = Latin1Text(field, "type", type);
    row.record.SetType(type);
    return problem;
}

struct FreqCsvColumn {
    std::string_view header;
    std::string (*write)(int channelIndex, const FreqRecord& record);
    // Takes the field into the row; returns why it cannot, or nothing.
    std::string (*read)(std::string_view field, FreqCsvRow& row);
};

constexpr FreqCsvColumn kColumns[] = {
    {"channel", WriteChannel, ReadChannel},
    {"frequency_mhz", WriteFrequency, ReadFrequency},
    {"name", WriteName, ReadName},
    {"type", WriteType, ReadType},
};
constexpr std::size_t kColumnCount = std::size(kColumns);

// The column names in the order of kColumns.
constexpr std::array<std::string_view, kColumnCount> kColumnNames = [] {
    std::array<std::string_view, kColumnCount> names{};
    for (std::size_t i = 0; i < kColumnCount; ++i) names[i] = kColumns[i].header;
    return names;
}();

std::string JoinedLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) line += (line.empty() ? "" : ",") + CsvField(field);
    return line + "\r\n";
}

// The header as a file has it: its separator, how many fields it has and
// where the columns stand.
struct FreqCsvLayout {
    char separator = ',';
    std::size_t fieldCount = 0;
    std::vector<std::size_t> positions;
};

// Reads the header record into the layout; returns why it is not a header,
// or nothing. `line` is the header's line.
std::string ReadHeader(CsvRecordReader& reader, FreqCsvLayout& layout, int& line) {
    CsvRecord header;
    if (!reader.Next(header)) return "the file is empty";
    line = header.line;
    if (!header.error.empty()) return header.error;
    CsvColumns columns = FindCsvColumns(header.fields, kColumnNames);
    if (!columns.problem.empty())
        return columns.problem + " (it has " + std::to_string(header.fields.size()) + " fields " +
               SeparatedBy(layout.separator) + ")";
    layout.fieldCount = header.fields.size();
    layout.positions = std::move(columns.positions);
    return {};
}

// The reasons a record is bad, or none.
std::vector<std::string> ReadRow(const CsvRecord& record, const FreqCsvLayout& layout, FreqCsvRow& row) {
    if (!record.error.empty()) return {record.error};
    if (record.fields.size() != layout.fieldCount)
        return {std::to_string(record.fields.size()) + " fields where the header has " +
                std::to_string(layout.fieldCount) + ", " + SeparatedBy(layout.separator)};
    std::vector<std::string> reasons;
    for (std::size_t i = 0; i < kColumnCount; ++i)
        if (std::string reason = kColumns[i].read(record.fields[layout.positions[i]], row); !reason.empty())
            reasons.push_back(std::move(reason));
    return reasons;
}

std::string OutOfBandText(const FreqCsvRow& row) {
    return "frequency " + std::string(row.frequencyText) + " is outside " + FreqBandText();
}

std::string Problem(int line, const std::vector<std::string>& reasons) {
    std::string text = "line " + std::to_string(line) + ": ";
    for (std::size_t i = 0; i < reasons.size(); ++i) text += (i ? "; " : "") + reasons[i];
    return text;
}

// A frequency outside the band: a reason to refuse the row, or a warning
// when such rows are kept.
void CheckBand(const FreqCsvRow& row, int line, OutOfBand outOfBand, std::vector<std::string>& reasons,
               std::vector<std::string>& warnings) {
    if (!row.frequencyRead || InFreqBand(row.record.FreqKHz)) return;
    if (outOfBand == OutOfBand::Refused)
        reasons.push_back(OutOfBandText(row));
    else
        warnings.push_back(Problem(line, {OutOfBandText(row)}));
}

// Remembers the line that gave each channel; a second one is a reason.
void CheckGivenOnce(const FreqCsvRow& row, int line, std::array<int, FreqChannelCount>& givenOnLine,
                    std::vector<std::string>& reasons) {
    if (row.channel < 0) return;
    if (givenOnLine[row.channel] == 0)
        givenOnLine[row.channel] = line;
    else
        reasons.push_back("channel " + std::to_string(row.channel + 1) + " was given before, on line " +
                          std::to_string(givenOnLine[row.channel]));
}

// Reads the rows after the header into the result.
void ReadRows(CsvRecordReader& reader, const FreqCsvLayout& layout, OutOfBand outOfBand, FreqCsvImport& result) {
    std::array<int, FreqChannelCount> givenOnLine{};
    CsvRecord record;
    while (reader.Next(record)) {
        if (IsBlankRecord(record)) continue;
        FreqCsvRow row;
        std::vector<std::string> reasons = ReadRow(record, layout, row);
        CheckBand(row, record.line, outOfBand, reasons, result.warnings);
        CheckGivenOnce(row, record.line, givenOnLine, reasons);
        if (!reasons.empty())
            result.problems.push_back(Problem(record.line, reasons));
        else
            result.table[row.channel] = row.record;
    }
}

}  // namespace

std::string FreqCsvHeader() {
    std::string header;
    for (const FreqCsvColumn& column : kColumns) header += (header.empty() ? "" : ",") + std::string(column.header);
    return header;
}

std::string FreqCsvText(const FreqChannels& table) {
    std::string text = FreqCsvHeader() + "\r\n";
    for (int i = 0; i < FreqChannelCount; ++i) {
        std::vector<std::string> fields;
        for (const FreqCsvColumn& column : kColumns) fields.push_back(column.write(i, table[i]));
        text += JoinedLine(fields);
    }
    return text;
}

FreqCsvImport ParseFreqCsv(std::string_view text, OutOfBand outOfBand) {
    FreqCsvImport result{UnsetFreqChannels(), {}, {}};
    const std::string utf8 = TextAsUtf8(text);
    FreqCsvLayout layout;
    layout.separator = HeaderSeparator(utf8);
    CsvRecordReader reader(utf8, layout.separator);
    int headerLine = 1;
    if (std::string problem = ReadHeader(reader, layout, headerLine); !problem.empty()) {
        result.problems.push_back(
            Problem(headerLine, {problem, "the first line must name the columns " + FreqCsvHeader()}));
        return result;
    }
    ReadRows(reader, layout, outOfBand, result);
    if (!result.problems.empty()) result.warnings.clear();
    return result;
}
