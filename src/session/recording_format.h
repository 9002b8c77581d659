#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "link/device_link.h"

// A recording of the serial line: a file header, then one record per batch of
// bytes read from the port, back to back, little-endian, nothing else.
//
//   file header                      record
//   offset size field                offset size  field
//   0      8    magic "vhfrec" 1A 0A 0      8     arrival time, microseconds
//   8      2    version, 1                        since the recording started
//                                    8      2     byte count n
//                                    10     n     the bytes as read
//
// A record is written whole or not at all as far as the writer can help it;
// a file that ends inside a record was cut there, and every record before
// that point is complete. A reader refuses any version but its own.

namespace recording_format {

struct Field {
    std::size_t offset;
    std::size_t size;
};

inline constexpr std::array<uint8_t, 8> Magic = {'v', 'h', 'f', 'r', 'e', 'c', 0x1A, 0x0A};
inline constexpr uint16_t Version = 1;

inline constexpr Field HeaderMagic{0, Magic.size()};
inline constexpr Field HeaderVersion{8, 2};
inline constexpr std::size_t HeaderSize = 10;

inline constexpr Field RecordTime{0, 8};
inline constexpr Field RecordCount{8, 2};
inline constexpr std::size_t RecordHeaderSize = 10;
inline constexpr std::size_t MaxRecordBytes = 0xFFFF;

// The fields follow each other without gaps and fill the stated size.
template <std::size_t N>
constexpr bool BackToBack(const std::array<Field, N>& fields, std::size_t total) {
    std::size_t next = 0;
    for (const Field& f : fields) {
        if (f.offset != next) return false;
        next += f.size;
    }
    return next == total;
}
static_assert(BackToBack(std::array{HeaderMagic, HeaderVersion}, HeaderSize));
static_assert(BackToBack(std::array{RecordTime, RecordCount}, RecordHeaderSize));
static_assert(MaxRecordBytes == (std::size_t{1} << 8 * RecordCount.size) - 1,
              "the count field holds every record size");
static_assert(DeviceLinkReadSize <= MaxRecordBytes, "one read of the port fits one record");

// The header of a recording of this version.
std::array<uint8_t, HeaderSize> FileHeader();

inline uint64_t ReadLe(const uint8_t* p, std::size_t size) {
    uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = value << 8 | p[i];
    return value;
}

inline void WriteLe(uint8_t* p, std::size_t size, uint64_t value) {
    for (std::size_t i = 0; i < size; ++i, value >>= 8) p[i] = static_cast<uint8_t>(value);
}

// One record: its arrival time, the bytes it holds, and its size in the file.
struct Record {
    uint64_t micros;
    std::span<const uint8_t> bytes;
    std::size_t size;
};

// The record at the start of `bytes`, or nothing when they do not hold it whole.
std::optional<Record> ParseRecord(std::span<const uint8_t> bytes);

}  // namespace recording_format
