#include "common/csv_fields.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text being split and the reading position in it.
struct CsvReader {
    std::string_view text;
    std::size_t at = 0;
    int line = 1;

    bool AtEnd() const { return at == text.size(); }
    bool AtLineBreak() const { return !AtEnd() && (text[at] == '\n' || text[at] == '\r'); }
    bool AtFieldEnd() const { return AtEnd() || AtLineBreak() || text[at] == ','; }
    bool Next(char c) const { return at + 1 < text.size() && text[at + 1] == c; }

    // Takes one character, counting the lines it ends (CRLF counts once).
    char Take() {
        const char c = text[at];
        if (c == '\n' || (c == '\r' && !Next('\n'))) ++line;
        ++at;
        return c;
    }
    void SkipLine() {
        while (!AtEnd() && !AtLineBreak()) ++at;
        if (AtLineBreak() && text[at] == '\r' && Next('\n')) ++at;
        if (!AtEnd()) Take();
    }
};

std::string ReadQuoted(CsvReader& reader, std::string& field) {
    reader.Take();
    while (!reader.AtEnd()) {
        const char c = reader.Take();
        if (c != '"') {
            field += c;
            continue;
        }
        if (reader.AtFieldEnd()) return {};
        if (reader.text[reader.at] != '"') return "text follows the closing quote of a field";
        field += reader.Take();
    }
    return "a quoted field is not closed";
}

std::string ReadPlain(CsvReader& reader, std::string& field) {
    while (!reader.AtFieldEnd()) {
        if (reader.text[reader.at] == '"') return "a quote in a field that does not start with one";
        field += reader.Take();
    }
    return {};
}

CsvRecord ReadRecord(CsvReader& reader) {
    CsvRecord record{reader.line, {}, {}};
    for (;;) {
        std::string field;
        const bool quoted = !reader.AtEnd() && reader.text[reader.at] == '"';
        record.error = quoted ? ReadQuoted(reader, field) : ReadPlain(reader, field);
        record.fields.push_back(std::move(field));
        if (!record.error.empty() || reader.AtEnd() || reader.AtLineBreak()) break;
        reader.Take();
    }
    reader.SkipLine();
    return record;
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::vector<CsvRecord> SplitCsv(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    CsvReader reader{text};
    std::vector<CsvRecord> records;
    while (!reader.AtEnd()) {
        if (reader.AtLineBreak())
            reader.SkipLine();
        else
            records.push_back(ReadRecord(reader));
    }
    return records;
}
