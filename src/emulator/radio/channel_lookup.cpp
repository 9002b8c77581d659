#include "emulator/radio/channel_lookup.h"

#include <algorithm>
#include <iterator>

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "freqdb/freq_database.h"

// The main screen looks up both its frequencies every half-second, mostly
// through all 100 records; find_if takes them four at a time.
bool FindChannelByFrequency(Firmware& fw, int32_t kHz) {
    const auto first = std::begin(fw.Db.Table);
    const auto found =
        std::find_if(first, std::end(fw.Db.Table), [kHz](const FreqRecord& r) { return r.FreqKHz == kHz; });
    if (found == std::end(fw.Db.Table)) return false;
    fw.State.FoundChannel = static_cast<uint8_t>(found - first);
    return true;
}
