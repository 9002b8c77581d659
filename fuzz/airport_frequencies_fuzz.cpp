// Any bytes as a list of airport frequencies, read with
// SelectAirportFrequencies for a few idents and placed into a table.
//
// Checked: a list that cannot be used says so and gives nothing else; every
// skipped row names its line; every channel is a frequency the transceiver
// tunes, on the 25 kHz grid, with a name and type within their record; the
// channels fit a table from channel 1 exactly when there are at most 100.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "freqdb/airport_frequencies.h"
#include "freqdb/freq_edit_text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string kIdents[] = {"EDDF", "kjfk", "AR-0038", "X"};
    const AirportSelection selection =
        SelectAirportFrequencies(std::string_view(reinterpret_cast<const char*>(data), size), kIdents);
    if (!selection.error.empty()) {
        FuzzCheck(selection.channels.empty() && selection.skipped.empty() && selection.notFound.empty(),
                  "an unusable list gives nothing but its error");
        return 0;
    }
    for (const std::string& skipped : selection.skipped) FuzzCheck(skipped.starts_with("line "), "skips name a line");
    for (const FreqRecord& channel : selection.channels) {
        FuzzCheck(InFreqBand(channel.FreqKHz) && channel.FreqKHz % 25 == 0, "channels are tunable on the grid");
        FuzzCheck(channel.NameLength <= FreqTextCapacity && channel.TypeLength <= FreqTextCapacity,
                  "names and types stay within their record");
    }
    const bool fits = PlaceAirportChannels(UnsetFreqChannels(), selection.channels, 0).has_value();
    FuzzCheck(fits == (selection.channels.size() <= FreqChannelCount), "up to 100 channels fit from channel 1");
    return 0;
}
