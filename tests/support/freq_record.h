#pragma once
#include <cstdint>
#include <string_view>

#include "freqdb/freq_database.h"

// A channel record with the given frequency, name and type.
inline FreqRecord MakeRecord(int32_t kHz, std::string_view name, std::string_view type) {
    FreqRecord record;
    record.FreqKHz = kHz;
    record.SetName(name);
    record.SetType(type);
    return record;
}
