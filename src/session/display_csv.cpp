#include "session/display_csv.h"

#include <array>
#include <charconv>

#include "common/csv_fields.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

struct CsvRow {
    uint64_t micros;
    const DisplayMessage& fields;
};

void AppendNumber(std::string& out, int64_t value) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end);
}

// Seconds with three decimals, rounded to the millisecond.
void AppendSeconds(std::string& out, uint64_t micros) {
    const uint64_t millis = (micros + 500) / 1000;
    AppendNumber(out, static_cast<int64_t>(millis / 1000));
    const auto fraction = static_cast<unsigned>(millis % 1000);
    out += '.';
    out += static_cast<char>('0' + fraction / 100);
    out += static_cast<char>('0' + fraction / 10 % 10);
    out += static_cast<char>('0' + fraction % 10);
}

bool Literal(uint8_t code) { return code >= 0x20 && code <= 0x7E; }

void AppendCodes(std::string& out, const DisplayCodes& codes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const uint8_t code : codes) {
        if (Literal(code)) {
            text += static_cast<char>(code);
        } else {
            text += "\\x";
            text += kHex[code >> 4];
            text += kHex[code & 0x0F];
        }
    }
    out += CsvField(text);
}

struct CsvColumn {
    const char* name;
    void (*append)(std::string& out, const CsvRow& row);
};

// The columns in file order.
constexpr std::array<CsvColumn, 15> kColumns{{
    {"time_s", [](std::string& out, const CsvRow& r) { AppendSeconds(out, r.micros); }},
    {"mode", [](std::string& out, const CsvRow& r) { out += WordsOf(r.fields.adjustMode).table; }},
    {"tx", [](std::string& out, const CsvRow& r) { out += r.fields.transmitting ? '1' : '0'; }},
    {"active_khz", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.activeKhz); }},
    {"standby_khz", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.standbyKhz); }},
    {"active_channel", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.activeChannel); }},
    {"standby_channel", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.standbyChannel); }},
    {"active_name", [](std::string& out, const CsvRow& r) { AppendCodes(out, r.fields.activeName); }},
    {"active_type", [](std::string& out, const CsvRow& r) { AppendCodes(out, r.fields.activeType); }},
    {"standby_name", [](std::string& out, const CsvRow& r) { AppendCodes(out, r.fields.standbyName); }},
    {"standby_type", [](std::string& out, const CsvRow& r) { AppendCodes(out, r.fields.standbyType); }},
    {"volume", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.volume); }},
    {"squelch", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.squelch); }},
    {"rx_level", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.rxLevel); }},
    {"tx_level", [](std::string& out, const CsvRow& r) { AppendNumber(out, r.fields.txLevel); }},
}};

}  // namespace

std::string CsvHeaderLine() {
    std::string line;
    for (const CsvColumn& column : kColumns) {
        if (!line.empty()) line += ',';
        line += column.name;
    }
    return line + kLineEnd;
}

void AppendCsvRow(std::string& out, uint64_t micros, const DisplayMessage& message) {
    const CsvRow row{micros, message};
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (i > 0) out += ',';
        kColumns[i].append(out, row);
    }
    out += kLineEnd;
}
