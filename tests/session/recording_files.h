#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "session/recording_format.h"

// Recordings made up by the tests: batches of bytes with their arrival times.
struct Batch {
    uint64_t micros;
    std::vector<uint8_t> bytes;
};

// The recording file holding the batches, one record each.
inline std::string RecordingFileBytes(const std::vector<Batch>& batches) {
    namespace rf = recording_format;
    const auto header = rf::FileHeader();
    std::string file(header.begin(), header.end());
    for (const Batch& b : batches) {
        uint8_t head[rf::RecordHeaderSize];
        rf::WriteLe(head + rf::RecordTime.offset, rf::RecordTime.size, b.micros);
        rf::WriteLe(head + rf::RecordCount.offset, rf::RecordCount.size, b.bytes.size());
        file.append(head, head + sizeof head);
        file.append(b.bytes.begin(), b.bytes.end());
    }
    return file;
}
