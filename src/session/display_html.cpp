#include "session/display_html.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "session/page_assets.h"
#include "session/page_text.h"

void DisplayHtmlWriter::Add(uint64_t micros, const PackedDisplay& display) {
    lastMillis_ = micros / 1000;
    std::vector<int> changed;
    for (int band = 0; band < Bands; ++band) {
        const uint8_t* now = PackedRow(display, band * BandRows);
        if (!anyAdded_ || !std::equal(now, now + BandBytes, PackedRow(shown_, band * BandRows)))
            changed.push_back(band);
    }
    if (anyAdded_ && changed.empty()) return;
    AddNumber(lastMillis_ - lastChangeMillis_);
    AddNumber(changed.size());
    for (const int band : changed) {
        AddNumber(static_cast<uint64_t>(band));
        AddNumber(BandIndex(PackedRow(display, band * BandRows)));
    }
    shown_ = display;
    anyAdded_ = true;
    lastChangeMillis_ = lastMillis_;
}

void DisplayHtmlWriter::AddNumber(uint64_t value) {
    for (; value >= 0x80; value >>= 7) changes_ += static_cast<char>(0x80 | (value & 0x7F));
    changes_ += static_cast<char>(value);
}

uint64_t DisplayHtmlWriter::BandIndex(const uint8_t* band) {
    std::string key(reinterpret_cast<const char*>(band), BandBytes);
    const auto [it, added] = bandIndex_.try_emplace(std::move(key), bandIndex_.size());
    if (added) bands_ += it->first;
    return it->second;
}

std::string DisplayHtmlWriter::Finish() {
    const std::string recording = "const RECORDING = {duration: " + std::to_string(lastMillis_) + ", bands: \"" +
                                  Base64(bands_) + "\", changes: \"" + Base64(changes_) + "\"};\n";
    const std::string script = std::string(kLcdScript) + recording + std::string(kRecordingScript);
    const std::string page = FillPage(kRecordingPage, {{"@STYLE@", kPageStyle}, {"@SCRIPT@", script}});
    out_.Write(page.data(), page.size());
    return out_.Commit();
}
