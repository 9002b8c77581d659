#include "common/csv_fields.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
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

CsvRecordReader::CsvRecordReader(std::string_view text, char separator)
    : text_(WithoutByteOrderMark(text)), separator_(separator) {}

// Takes one character, counting the lines it ends (CRLF counts once).
char CsvRecordReader::Take() {
    const char c = text_[at_];
    if (c == '\n' || (c == '\r' && !Follows('\n'))) ++line_;
    ++at_;
    return c;
}

void CsvRecordReader::SkipLine() {
    while (!AtEnd() && !AtLineBreak()) ++at_;
    if (AtLineBreak() && text_[at_] == '\r' && Follows('\n')) ++at_;
    if (!AtEnd()) Take();
}

std::string CsvRecordReader::ReadQuoted(std::string& field) {
    Take();
    while (!AtEnd()) {
        const char c = Take();
        if (c != '"') {
            field += c;
            continue;
        }
        if (AtFieldEnd()) return {};
        if (text_[at_] != '"') return "text follows the closing quote of a field";
        field += Take();
    }
    return "a quoted field is not closed";
}

std::string CsvRecordReader::ReadPlain(std::string& field) {
    const std::size_t start = at_;
    while (!AtFieldEnd()) {
        if (text_[at_] == '"') return "a quote in a field that does not start with one";
        ++at_;
    }
    field.assign(text_.substr(start, at_ - start));
    return {};
}

bool CsvRecordReader::Next(CsvRecord& record) {
    while (AtLineBreak()) SkipLine();
    if (AtEnd()) return false;
    record.line = line_;
    record.fields.clear();
    for (;;) {
        std::string field;
        const bool quoted = !AtEnd() && text_[at_] == '"';
        record.error = quoted ? ReadQuoted(field) : ReadPlain(field);
        record.fields.push_back(std::move(field));
        if (!record.error.empty() || AtEnd() || AtLineBreak()) break;
        Take();
    }
    SkipLine();
    return true;
}
