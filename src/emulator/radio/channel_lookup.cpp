#include "emulator/radio/channel_lookup.h"

#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "freqdb/freq_database.h"

bool FindChannelByFrequency(Firmware& fw, int32_t kHz) {
    for (int i = 0; i < FreqChannelCount; ++i) {
        if (fw.Db.Table[i].FreqKHz != kHz) continue;
        fw.State.FoundChannel = static_cast<uint8_t>(i);
        return true;
    }
    return false;
}
