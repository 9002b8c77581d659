#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "freqdb/freq_database.h"

// The texts of the frequency editor, kept free of the toolkit.

// The band the transceiver tunes: the frequencies the editor stores.
inline constexpr int32_t FreqBandLowKHz = 108000;
inline constexpr int32_t FreqBandHighKHz = 136975;

inline constexpr bool InFreqBand(int64_t kHz) { return kHz >= FreqBandLowKHz && kHz <= FreqBandHighKHz; }

// "108.000-136.975 MHz"
std::string FreqBandText();

// A frequency in kHz as MHz text: the whole MHz, ".", the kHz with three
// digits ("118.025" for 118025). A negative value gets one leading minus
// sign ("-12.345"), not one on each part.
std::string FreqMhzText(int32_t kHz);

// The list line of channel index 0..99: "2 - 123.450, TOWER , ATC   ".
// Name and type appear as stored, trailing blanks included.
std::string FreqListLine(int channelIndex, const FreqRecord& record);

// Exactly 6 characters: the text padded with blanks, or cut.
std::string FixedSixText(std::string_view text);

// The frequency field's 7-character text ("###.###", blanks as spaces) for a
// frequency: the MHz text right-aligned (" 12.345" for 12345). A value that
// needs more than six positions gives the empty field "   .   ".
std::string FreqFieldText(int32_t kHz);

// The frequency in the field's text: the six digits around the point read
// as kHz. Nothing while a position is blank or holds a sign, or when the
// frequency lies outside the band.
std::optional<int32_t> FreqFromFieldText(std::string_view text);
