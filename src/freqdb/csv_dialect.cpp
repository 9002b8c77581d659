#include "freqdb/csv_dialect.h"

#include <algorithm>
#include <array>

#include "common/latin1_utf8.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Separator {
    char character;
    std::string_view plural;
};

// In the order a tie is decided.
constexpr Separator kSeparators[] = {{',', "commas"}, {';', "semicolons"}, {'\t', "tabs"}};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) { return std::ranges::equal(a, b, {}, LowerAscii, LowerAscii); }

std::string Listed(const std::vector<std::string_view>& names) {
    std::string text;
    for (const std::string_view name : names) text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Checked a piece at a time, so that a long text needs no copy of all its
// characters. A piece ends before a byte that starts a character; in valid
// UTF-8 one comes within the 4 bytes of the longest character.
bool IsUtf8(std::string_view text) {
    constexpr std::size_t kPiece = 4096;
    constexpr std::size_t kLongestCharacter = 4;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = std::min(at + kPiece, text.size());
        const std::size_t limit = std::min(end + kLongestCharacter, text.size());
        while (end < limit && IsContinuation(text[end])) ++end;
        if ((end < text.size() && IsContinuation(text[end])) || !DecodeUtf8(text.substr(at, end - at))) return false;
        at = end;
    }
    return true;
}

}  // namespace

std::string TextAsUtf8(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (IsUtf8(bytes)) return std::string(bytes);
    return Latin1ToUtf8(bytes);
}

char HeaderSeparator(std::string_view text) {
    std::array<int, std::size(kSeparators)> counts{};
    bool quoted = false;
    const std::size_t start = std::min(text.find_first_not_of("\r\n"), text.size());
    for (const char c : text.substr(start)) {
        if (c == '"') quoted = !quoted;
        if (!quoted && (c == '\n' || c == '\r')) break;
        for (std::size_t i = 0; i < counts.size(); ++i) counts[i] += !quoted && c == kSeparators[i].character;
    }
    const auto most = std::ranges::max_element(counts, std::less<>{});
    return *most > 0 ? kSeparators[most - counts.begin()].character : ',';
}

std::string SeparatedBy(char separator) {
    for (const Separator& known : kSeparators)
        if (known.character == separator) return "separated by " + std::string(known.plural);
    return "separated by '" + std::string(1, separator) + "'";
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsBlankRecord(const CsvRecord& record) {
    return record.error.empty() &&
           std::ranges::all_of(record.fields, [](const std::string& field) { return Trimmed(field).empty(); });
}

CsvColumns FindCsvColumns(const std::vector<std::string>& header, std::span<const std::string_view> names) {
    CsvColumns columns;
    std::vector<std::string_view> missing, twice;
    for (const std::string_view name : names) {
        const auto matches = [name](const std::string& field) { return SameName(Trimmed(field), name); };
        const auto found = std::ranges::find_if(header, matches);
        if (found == header.end()) missing.push_back(name);
        if (std::ranges::count_if(header, matches) > 1) twice.push_back(name);
        columns.positions.push_back(static_cast<std::size_t>(found - header.begin()));
    }
    if (!missing.empty()) columns.problem = "the header has no column " + Listed(missing);
    if (!twice.empty())
        columns.problem += (columns.problem.empty() ? "the header has " : "; it has ") + std::string("the column ") +
                           Listed(twice) + " twice";
    return columns;
}
