#include "freqdb/freq_edit_text.h"

#include <cstdlib>

namespace {

constexpr int32_t kIncompleteFrequency = 118000;
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

int32_t FreqFromFieldText(std::string_view text) {
    std::string digits(text);
    if (digits.size() > kPointPosition) digits.erase(kPointPosition, 1);
    std::size_t i = digits.find_first_not_of(' ');
    if (i == std::string::npos) return kIncompleteFrequency;
    bool negative = false;
    if (digits[i] == '+' || digits[i] == '-') negative = digits[i++] == '-';
    if (i == digits.size()) return kIncompleteFrequency;
    int64_t value = 0;
    for (; i < digits.size(); ++i) {
        if (!IsDigit(digits[i])) return kIncompleteFrequency;
        value = value * 10 + (digits[i] - '0');
        if (value > INT32_MAX) return kIncompleteFrequency;
    }
    return static_cast<int32_t>(negative ? -value : value);
}
