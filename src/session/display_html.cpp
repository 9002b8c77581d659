#include "session/display_html.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "session/page_text.h"

extern const std::string_view PageStyle;
extern const std::string_view LcdScript;
extern const std::string_view RecordingPage;
extern const std::string_view RecordingScript;

void DisplayHtmlWriter::Add(uint64_t micros, const DisplayBitmap& bitmap) {
    const PackedDisplay display = PackDisplay(bitmap);
    const uint64_t millis = micros / 1000;
    lastMillis_ = millis;
    std::vector<int> changed;
    for (int row = 0; row < LcdHeight; ++row)
        if (!anyAdded_ ||
            !std::equal(PackedRow(display, row), PackedRow(display, row) + PackedRowBytes, PackedRow(shown_, row)))
            changed.push_back(row);
    if (anyAdded_ && changed.empty()) return;
    AddNumber(millis - lastChangeMillis_);
    AddNumber(changed.size());
    for (const int row : changed) {
        AddNumber(static_cast<uint64_t>(row));
        AddNumber(RowIndex(PackedRow(display, row)));
    }
    shown_ = display;
    anyAdded_ = true;
    lastChangeMillis_ = millis;
}

void DisplayHtmlWriter::AddNumber(uint64_t value) {
    for (; value >= 0x80; value >>= 7) changes_ += static_cast<char>(0x80 | (value & 0x7F));
    changes_ += static_cast<char>(value);
}

uint64_t DisplayHtmlWriter::RowIndex(const uint8_t* row) {
    std::string key(reinterpret_cast<const char*>(row), PackedRowBytes);
    const auto [it, added] = rowIndex_.try_emplace(std::move(key), rowIndex_.size());
    if (added) rows_ += it->first;
    return it->second;
}

std::string DisplayHtmlWriter::Finish() {
    const std::string recording = "const RECORDING = {duration: " + std::to_string(lastMillis_) + ", rows: \"" +
                                  Base64(rows_) + "\", changes: \"" + Base64(changes_) + "\"};\n";
    const std::string script = std::string(LcdScript) + recording + std::string(RecordingScript);
    const std::string page = FillPage(RecordingPage, {{"@STYLE@", PageStyle}, {"@SCRIPT@", script}});
    out_.Write(page.data(), page.size());
    return out_.Commit();
}
