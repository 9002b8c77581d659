#include "freqdb/freq_edit_text.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::size_t kFieldLength = 7;
constexpr std::size_t kPointPosition = 3;
constexpr std::string_view kEmptyField = "   .   ";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FreqMhzText(int32_t kHz) {
    const int64_t magnitude = std::llabs(static_cast<int64_t>(kHz));
    std::string khzPart = std::to_string(magnitude % 1000);
    khzPart.insert(0, 3 - khzPart.size(), '0');
    return (kHz < 0 ? "-" : "") + std::to_string(magnitude / 1000) + "." + khzPart;
}

std::string FreqBandText() { return FreqMhzText(FreqBandLowKHz) + "-" + FreqMhzText(FreqBandHighKHz) + " MHz"; }

std::string FreqListLine(int channelIndex, const FreqRecord& record) {
    return std::to_string(channelIndex + 1) + " - " + FreqMhzText(record.FreqKHz) + ", " + std::string(record.Name()) +
           ", " + std::string(record.Type());
}

std::string FixedSixText(std::string_view text) {
    std::string fixed(text.substr(0, FreqTextCapacity));
    fixed.resize(FreqTextCapacity, ' ');
    return fixed;
}

std::string FreqFieldText(int32_t kHz) {
    const std::string text = FreqMhzText(kHz);
    if (text.size() > kFieldLength) return std::string(kEmptyField);
    return std::string(kFieldLength - text.size(), ' ') + text;
}

std::optional<int32_t> FreqFromFieldText(std::string_view text) {
    if (text.size() != kFieldLength || text[kPointPosition] != '.') return std::nullopt;
    std::string digits(text);
    digits.erase(kPointPosition, 1);
    if (!std::ranges::all_of(digits, IsDigit)) return std::nullopt;
    const int32_t kHz = std::stoi(digits);
    if (kHz < FreqBandLowKHz || kHz > FreqBandHighKHz) return std::nullopt;
    return kHz;
}
