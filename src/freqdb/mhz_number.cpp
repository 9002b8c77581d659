#include "freqdb/mhz_number.h"

#include <algorithm>
#include <string>

namespace {

// Whole MHz are read up to this bound, so that their kHz fit 64 bits.
constexpr int64_t kMhzCap = 10'000'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int64_t> WholeMhz(std::string_view digits) {
    if (!std::ranges::all_of(digits, IsDigit)) return std::nullopt;
    int64_t value = 0;
    for (const char c : digits) value = std::min(value * 10 + (c - '0'), kMhzCap);
    return value;
}

std::size_t DecimalPoint(std::string_view text) {
    const std::size_t point = text.find('.');
    return point != std::string_view::npos ? point : text.find(',');
}

}  // namespace

std::optional<MhzNumber> ReadMhzNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    text = first == std::string_view::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    const std::size_t point = DecimalPoint(text);
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() && decimals.empty()) return std::nullopt;
    const std::optional<int64_t> mhz = WholeMhz(whole);
    if (!mhz || !std::ranges::all_of(decimals, IsDigit)) return std::nullopt;
    MhzNumber number;
    number.finerThanKHz = decimals.size() > 3 && decimals.find_first_not_of('0', 3) != std::string_view::npos;
    std::string khz(decimals.substr(0, 3));
    khz.resize(3, '0');
    number.kHz = *mhz * 1000 + std::stoi(khz);
    if (negative) number.kHz = -number.kHz;
    return number;
}
