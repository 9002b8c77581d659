#include "emulator/radio/channel_lookup.h"

#include "emulator/runtime/emulator_state.h"
#include "freqdb/freq_database.h"

bool FindChannelByFrequency(int32_t kHz) {
    for (int i = 0; i < FreqChannelCount; ++i) {
        if (FreqTable[i].FreqKHz != kHz) continue;
        EmulatorState.FoundChannel = static_cast<uint8_t>(i);
        return true;
    }
    return false;
}
