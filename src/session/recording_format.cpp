#include "session/recording_format.h"

#include <algorithm>

namespace recording_format {

std::array<uint8_t, HeaderSize> FileHeader() {
    std::array<uint8_t, HeaderSize> header{};
    std::copy(Magic.begin(), Magic.end(), header.begin() + HeaderMagic.offset);
    WriteLe(header.data() + HeaderVersion.offset, HeaderVersion.size, Version);
    return header;
}

std::optional<Record> ParseRecord(std::span<const uint8_t> bytes) {
    if (bytes.size() < RecordHeaderSize) return std::nullopt;
    const std::size_t count = ReadLe(bytes.data() + RecordCount.offset, RecordCount.size);
    if (bytes.size() - RecordHeaderSize < count) return std::nullopt;
    return Record{ReadLe(bytes.data() + RecordTime.offset, RecordTime.size), bytes.subspan(RecordHeaderSize, count),
                  RecordHeaderSize + count};
}

}  // namespace recording_format
