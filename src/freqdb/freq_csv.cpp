#include "freqdb/freq_csv.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "common/csv_fields.h"
#include "common/latin1_utf8.h"
#include "freqdb/freq_edit_text.h"

namespace {

constexpr int32_t kUnsetFrequency = 118000;
constexpr char32_t kLastLatin1 = 0xFF;
// Numbers are read up to this bound: far beyond any channel or 32-bit kHz
// value, and small enough that its kHz fit 64 bits.
constexpr int64_t kNumberCap = 10'000'000'000;

// A row while it is read: the channel index it names and the record it fills.
struct FreqCsvRow {
    int channel = -1;
    FreqRecord record;
};

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The digits' value (at most kNumberCap), or nothing when they are not all digits.
std::optional<int64_t> WholeNumber(std::string_view text) {
    if (text.empty() || !std::ranges::all_of(text, IsDigit)) return std::nullopt;
    int64_t value = 0;
    for (const char c : text) value = std::min(value * 10 + (c - '0'), kNumberCap);
    return value;
}

// "118.000" as 118000: an optional sign, digits with at most one point, and
// any decimals after the third zero. Nothing when the text is not such a
// number; kHz beyond 32 bits come back as they are, for the caller to refuse.
std::optional<int64_t> KHzOfMhzText(std::string_view text, bool& finerThanKHz) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() && decimals.empty()) return std::nullopt;
    const std::optional<int64_t> mhz = whole.empty() ? 0 : WholeNumber(whole);
    if (!mhz || (!decimals.empty() && !std::ranges::all_of(decimals, IsDigit))) return std::nullopt;
    finerThanKHz = decimals.size() > 3 && decimals.find_first_not_of('0', 3) != std::string_view::npos;
    std::string khz(decimals.substr(0, 3));
    khz.resize(3, '0');
    const int64_t value = *mhz * 1000 + std::stoi(khz);
    return negative ? -value : value;
}

std::string WriteChannel(int channelIndex, const FreqRecord&) { return std::to_string(channelIndex + 1); }

std::string ReadChannel(std::string_view field, FreqCsvRow& row) {
    const std::string_view text = Trimmed(field);
    const std::optional<int64_t> channel = WholeNumber(text);
    if (!channel) return "channel " + Quoted(text) + " is not a number";
    if (*channel < 1 || *channel > FreqChannelCount) return "channel " + std::string(text) + " is outside 1..100";
    row.channel = static_cast<int>(*channel) - 1;
    return {};
}

std::string WriteFrequency(int, const FreqRecord& record) { return FreqMhzText(record.FreqKHz); }

std::string ReadFrequency(std::string_view field, FreqCsvRow& row) {
    const std::string_view text = Trimmed(field);
    bool finerThanKHz = false;
    const std::optional<int64_t> kHz = KHzOfMhzText(text, finerThanKHz);
    if (!kHz) return "frequency " + Quoted(text) + " is not a number";
    if (finerThanKHz) return "frequency " + std::string(text) + " is not a whole number of kHz";
    if (*kHz < std::numeric_limits<int32_t>::min() || *kHz > std::numeric_limits<int32_t>::max())
        return "frequency " + std::string(text) + " does not fit a 32-bit kHz value";
    row.record.FreqKHz = static_cast<int32_t>(*kHz);
    return {};
}

// The field's characters as Latin-1 bytes, or why they cannot be.
std::string Latin1Text(std::string_view field, const char* what, std::string& latin1) {
    const std::optional<std::u32string> text = DecodeUtf8(field);
    if (!text) return std::string(what) + " is not valid UTF-8";
    if (text->size() > FreqTextCapacity)
        return std::string(what) + " " + Quoted(field) + " has more than " + std::to_string(FreqTextCapacity) +
               " characters";
    if (std::ranges::any_of(*text, [](char32_t c) { return c > kLastLatin1; }))
        return std::string(what) + " " + Quoted(field) + " has a character outside Latin-1";
    latin1.assign(text->begin(), text->end());
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

std::string JoinedLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) line += (line.empty() ? "" : ",") + CsvField(field);
    return line + "\r\n";
}

bool IsHeader(const CsvRecord& record) {
    return record.error.empty() && record.fields.size() == kColumnCount &&
           std::ranges::equal(record.fields, kColumns, {}, {}, &FreqCsvColumn::header);
}

// The reasons a record is bad, or none.
std::vector<std::string> ReadRow(const CsvRecord& record, FreqCsvRow& row) {
    if (!record.error.empty()) return {record.error};
    if (record.fields.size() != kColumnCount)
        return {std::to_string(record.fields.size()) + " fields where " + std::to_string(kColumnCount) +
                " are expected (" + FreqCsvHeader() + ")"};
    std::vector<std::string> reasons;
    for (std::size_t i = 0; i < kColumnCount; ++i)
        if (std::string reason = kColumns[i].read(record.fields[i], row); !reason.empty())
            reasons.push_back(std::move(reason));
    return reasons;
}

std::string Problem(int line, const std::vector<std::string>& reasons) {
    std::string text = "line " + std::to_string(line) + ": ";
    for (std::size_t i = 0; i < reasons.size(); ++i) text += (i ? "; " : "") + reasons[i];
    return text;
}

FreqChannels UnsetTable() {
    FreqChannels table{};
    for (FreqRecord& record : table) record.FreqKHz = kUnsetFrequency;
    return table;
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

FreqCsvImport ParseFreqCsv(std::string_view text) {
    FreqCsvImport result{UnsetTable(), {}};
    const std::vector<CsvRecord> records = SplitCsv(text);
    if (records.empty() || !IsHeader(records.front())) {
        const int line = records.empty() ? 1 : records.front().line;
        result.problems.push_back(Problem(line, {"the first line must be the header " + FreqCsvHeader()}));
        return result;
    }
    std::array<int, FreqChannelCount> givenOnLine{};
    for (auto record = records.begin() + 1; record != records.end(); ++record) {
        FreqCsvRow row;
        std::vector<std::string> reasons = ReadRow(*record, row);
        if (row.channel >= 0 && givenOnLine[row.channel] != 0)
            reasons.push_back("channel " + std::to_string(row.channel + 1) + " was given before, on line " +
                              std::to_string(givenOnLine[row.channel]));
        else if (row.channel >= 0)
            givenOnLine[row.channel] = record->line;
        if (!reasons.empty())
            result.problems.push_back(Problem(record->line, reasons));
        else
            result.table[row.channel] = row.record;
    }
    return result;
}
