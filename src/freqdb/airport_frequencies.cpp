#include "freqdb/airport_frequencies.h"

#include <algorithm>
#include <map>

#include "common/csv_fields.h"
#include "common/latin1_utf8.h"
#include "freqdb/csv_dialect.h"
#include "freqdb/freq_edit_text.h"
#include "freqdb/mhz_number.h"

namespace {

constexpr std::string_view kColumnNames[] = {"airport_ident", "type", "frequency_mhz"};
enum Column { kIdentColumn, kTypeColumn, kFrequencyColumn };

// The types an airport's channels start with, in this order; every other
// type follows them alphabetically.
constexpr std::string_view kTypeOrder[] = {"ATIS", "CLD", "GND", "TWR", "DEP", "APP", "A/D"};

constexpr int32_t kChannelGridKHz = 25;

// A usable frequency of an airport asked for.
struct Candidate {
    int line;
    std::string type;  // in upper case, whole
    int32_t kHz;
    std::string frequencyText;
};

struct Skip {
    int line;
    std::string text;
};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), [](char c) { return UpperAscii(c); });
    return upper;
}

char32_t UpperLatin1(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    return c;
}

// The first 6 characters in upper case as Latin-1 bytes, '?' for any other
// character. Text that is not UTF-8 is taken as Latin-1 already.
std::string ChannelText(std::string_view utf8) {
    const std::optional<std::u32string> decoded = DecodeUtf8(utf8);
    const std::u32string characters = decoded ? *decoded : std::u32string(utf8.begin(), utf8.end());
    std::string text;
    for (const char32_t c : std::u32string_view(characters).substr(0, FreqTextCapacity))
        text += static_cast<char>(c <= 0xFF ? UpperLatin1(c) : U'?');
    return text;
}

std::size_t TypeRank(std::string_view type) {
    return static_cast<std::size_t>(std::ranges::find(kTypeOrder, type) - std::begin(kTypeOrder));
}

bool ChannelOrder(const Candidate& a, const Candidate& b) {
    const std::size_t rankA = TypeRank(a.type), rankB = TypeRank(b.type);
    if (rankA != rankB) return rankA < rankB;
    if (a.type != b.type) return a.type < b.type;
    return a.kHz < b.kHz;
}

// Why a frequency gives no channel, or nothing when it is usable.
std::string_view Unusable(const std::optional<MhzNumber>& number) {
    if (!number) return "not a number";
    if (!InFreqBand(number->kHz)) return "out of band";
    if (number->finerThanKHz || number->kHz % kChannelGridKHz != 0) return "8.33 kHz channel";
    return {};
}

// The rows of the idents asked for, gathered while the file is read.
class AirportRows {
public:
    explicit AirportRows(std::span<const std::string> idents) {
        for (const std::string& ident : idents)
            if (std::ranges::find(wanted_, UpperAscii(ident)) == wanted_.end()) {
                wanted_.push_back(UpperAscii(ident));
                given_.push_back(ident);
            }
        candidates_.resize(wanted_.size());
        found_.resize(wanted_.size());
    }

    void Take(int line, const std::vector<std::string>& fields, const std::vector<std::size_t>& positions) {
        const std::string_view ident = Trimmed(fields[positions[kIdentColumn]]);
        const auto wanted = std::ranges::find_if(wanted_, [ident](const std::string& w) {
            return std::ranges::equal(w, ident, {}, {}, [](char c) { return UpperAscii(c); });
        });
        if (wanted == wanted_.end()) return;
        const std::size_t airport = static_cast<std::size_t>(wanted - wanted_.begin());
        found_[airport] = true;
        std::string type = UpperAscii(Trimmed(fields[positions[kTypeColumn]]));
        const std::string_view frequency = Trimmed(fields[positions[kFrequencyColumn]]);
        const std::optional<MhzNumber> number = ReadMhzNumber(frequency);
        if (const std::string_view reason = Unusable(number); !reason.empty()) {
            skipped_.push_back({line, Described(airport, type, frequency) + ": " + std::string(reason)});
            return;
        }
        candidates_[airport].push_back(
            {line, std::move(type), static_cast<int32_t>(number->kHz), std::string(frequency)});
    }

    AirportSelection Selection() {
        AirportSelection selection;
        for (std::size_t airport = 0; airport < wanted_.size(); ++airport) {
            if (!found_[airport]) selection.notFound.push_back(given_[airport]);
            AddChannels(airport, selection.channels);
        }
        std::ranges::stable_sort(skipped_, {}, &Skip::line);
        for (Skip& skip : skipped_) selection.skipped.push_back("line " + std::to_string(skip.line) + ": " + skip.text);
        return selection;
    }

private:
    std::string Described(std::size_t airport, std::string_view type, std::string_view frequency) const {
        return wanted_[airport] + " " + std::string(type) + " " + std::string(frequency);
    }

    // The airport's channels in their order, each frequency once.
    void AddChannels(std::size_t airport, std::vector<FreqRecord>& channels) {
        std::vector<Candidate>& candidates = candidates_[airport];
        std::ranges::stable_sort(candidates, ChannelOrder);
        std::map<int32_t, std::string_view> typeOfKHz;
        for (const Candidate& candidate : candidates) {
            const auto [taken, fresh] = typeOfKHz.emplace(candidate.kHz, candidate.type);
            if (!fresh) {
                skipped_.push_back({candidate.line, Described(airport, candidate.type, candidate.frequencyText) +
                                                        ": duplicate of " + std::string(taken->second)});
                continue;
            }
            FreqRecord record;
            record.FreqKHz = candidate.kHz;
            record.SetName(ChannelText(wanted_[airport]));
            record.SetType(ChannelText(candidate.type));
            channels.push_back(record);
        }
    }

    std::vector<std::string> wanted_;  // upper case, each once
    std::vector<std::string> given_;   // as given
    std::vector<bool> found_;
    std::vector<std::vector<Candidate>> candidates_;
    std::vector<Skip> skipped_;
};

std::string Failure(int line, const std::string& reason) { return "line " + std::to_string(line) + ": " + reason; }

AirportSelection Refused(std::string error) { return {std::move(error), {}, {}, {}}; }

// Where the header puts the columns read and how many fields it has.
struct ListLayout {
    std::vector<std::size_t> positions;
    std::size_t fieldCount = 0;
};

// Reads the header into the layout; returns why the file is no such list, or
// nothing.
std::string ReadListHeader(CsvRecordReader& reader, char separator, ListLayout& layout) {
    CsvRecord header;
    if (!reader.Next(header)) return "the file is empty";
    if (!header.error.empty()) return Failure(header.line, header.error);
    CsvColumns columns = FindCsvColumns(header.fields, kColumnNames);
    if (!columns.problem.empty())
        return Failure(header.line, columns.problem + " (it has " + std::to_string(header.fields.size()) + " fields " +
                                        SeparatedBy(separator) +
                                        "); a list of airport frequencies names airport_ident, type and "
                                        "frequency_mhz");
    layout = {std::move(columns.positions), header.fields.size()};
    return {};
}

// Why a row is not whole CSV, as the rows of a file cut short are; or nothing.
std::string DamagedRow(const CsvRecord& record, std::size_t fieldCount) {
    std::string reason = record.error;
    if (reason.empty() && record.fields.size() != fieldCount)
        reason = std::to_string(record.fields.size()) + " fields where the header has " + std::to_string(fieldCount);
    return reason.empty() ? reason : Failure(record.line, reason + "; the file is damaged or cut short");
}

}  // namespace

AirportSelection SelectAirportFrequencies(std::string_view text, std::span<const std::string> idents) {
    const char separator = HeaderSeparator(text);
    CsvRecordReader reader(text, separator);
    ListLayout layout;
    if (std::string error = ReadListHeader(reader, separator, layout); !error.empty()) return Refused(std::move(error));
    AirportRows rows(idents);
    CsvRecord record;
    while (reader.Next(record)) {
        if (IsBlankRecord(record)) continue;
        if (std::string error = DamagedRow(record, layout.fieldCount); !error.empty()) return Refused(std::move(error));
        rows.Take(record.line, record.fields, layout.positions);
    }
    return rows.Selection();
}

std::optional<FreqChannels> PlaceAirportChannels(const FreqChannels& table, std::span<const FreqRecord> channels,
                                                 int start) {
    if (start < 0 || channels.size() > static_cast<std::size_t>(FreqChannelCount - start)) return std::nullopt;
    FreqChannels placed = UnsetFreqChannels();
    std::copy_n(table.begin(), start, placed.begin());
    std::ranges::copy(channels, placed.begin() + start);
    return placed;
}

std::vector<std::string> AirportIdentList(std::string_view list) {
    std::vector<std::string> idents;
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        const std::string_view ident = Trimmed(list.substr(at, comma - at));
        if (ident.empty()) return {};
        idents.emplace_back(ident);
        at = comma + 1;
    }
    return idents;
}
