#pragma once
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields separated by commas,
// records by line breaks, a field in double quotes when it holds a comma, a
// quote or a line break, with each quote inside doubled. Reading also takes
// another separator (a semicolon or a tab, as spreadsheets write).

// The field as it goes into a line: quoted when it must be, else as it is.
std::string CsvField(std::string_view text);

// One record of a CSV text.
struct CsvRecord {
    int line = 0;  // the line it starts on, from 1
    std::vector<std::string> fields;
    // Why the record could not be read (a quote in a field that does not start
    // with one, text after a closing quote, a quote never closed); empty when
    // it was read whole.
    std::string error;
};

// Reads the records of a text one at a time, so that a long file needs no
// list of all its records. A record ends at CRLF, LF or CR outside quotes;
// the last line needs no line break. Empty lines give no record, and a UTF-8
// byte order mark at the start is skipped. After a record with an error,
// reading goes on at the next line. The text must outlive the reader.
class CsvRecordReader {
public:
    explicit CsvRecordReader(std::string_view text, char separator = ',');

    // Fills `record` with the next record; false at the end of the text.
    bool Next(CsvRecord& record);

private:
    bool AtEnd() const { return at_ == text_.size(); }
    bool AtLineBreak() const { return !AtEnd() && (text_[at_] == '\n' || text_[at_] == '\r'); }
    bool AtFieldEnd() const { return AtEnd() || AtLineBreak() || text_[at_] == separator_; }
    bool Follows(char c) const { return at_ + 1 < text_.size() && text_[at_ + 1] == c; }
    char Take();
    void SkipLine();
    std::string ReadQuoted(std::string& field);
    std::string ReadPlain(std::string& field);

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
};
