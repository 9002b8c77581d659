// Any bytes as a recording, read record by record.
//
// Checked: the reader either refuses the file with a message or reads it to
// its end; the records it gives and the place where it says the file was cut
// account for every byte of the file, and no record is longer than a record
// can be.
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "memory_file.h"
#include "session/recording_reader.h"

namespace rf = recording_format;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MemoryFile file(data, size);
    RecordingReader reader(file.Path());
    uint64_t read = reader.Error().empty() && size >= rf::HeaderSize ? rf::HeaderSize : 0;
    while (const auto record = reader.Next()) {
        FuzzCheck(record->bytes.size() <= rf::MaxRecordBytes, "a record holds at most 65535 bytes");
        FuzzCheck(record->size == rf::RecordHeaderSize + record->bytes.size(),
                  "a record's size is its header and bytes");
        read += record->size;
    }
    if (!reader.Error().empty()) {
        FuzzCheck(!reader.CutAt(), "a refused file has no cut");
        return 0;
    }
    FuzzCheck(read <= size, "the records lie inside the file");
    if (const auto cut = reader.CutAt())
        FuzzCheck(*cut == (size < rf::HeaderSize ? 0 : read), "the cut is where the last whole record ends");
    else
        FuzzCheck(read == size, "a file that is not cut is read to its end");
    return 0;
}
