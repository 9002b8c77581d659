#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

// What the transceiver's knob adjusts, as a display message names it in bits
// 7..5 of its status byte. The values 5, 6 and 7 all mean no mode line; they
// are kept apart all the same, since the display is cleared whenever the
// value changes.
enum class DisplayAdjustMode : uint8_t { Vol, Sql, Mhz, Khz, Channel, None };

inline constexpr uint8_t DisplayAdjustModeMask = 0x07;

// The mode's words, in the order of the values: as the CSV export writes it
// and as the transceiver simulator's --mode option takes it.
struct AdjustModeWords {
    std::string_view table;
    std::string_view option;
};

inline constexpr std::array<AdjustModeWords, 6> AdjustModeNames{{
    {"Vol", "vol"},
    {"Sql", "sql"},
    {"MHz", "mhz"},
    {"KHz", "khz"},
    {"Channel", "ch"},
    {"none", "none"},
}};

// The words of any value 0..7 (and of the lowest three bits of any other).
inline const AdjustModeWords& WordsOf(DisplayAdjustMode mode) {
    const auto value = static_cast<uint8_t>(static_cast<uint8_t>(mode) & DisplayAdjustModeMask);
    return AdjustModeNames[std::min<std::size_t>(value, AdjustModeNames.size() - 1)];
}
