#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/atomic_file.h"

// The 100-channel frequency database shared by the editor dialog, the file
// commands and the emulated transceiver.

inline constexpr int FreqChannelCount = 100;
inline constexpr int FreqRecordSize = 20;
inline constexpr int FreqFileSize = FreqChannelCount * FreqRecordSize;
inline constexpr int FreqTextCapacity = 6;

// One channel. In the .dat file each record takes 20 bytes:
//   offset  size  field
//        0     4  FreqKHz, signed 32-bit little-endian (118000 = 118.000 MHz)
//        4     1  name length, 0..6
//        5     6  name characters (bytes after the length are not part of it)
//       11     1  type length, 0..6
//       12     6  type characters
//       18     2  reserved, carried unchanged
struct FreqRecord {
    int32_t FreqKHz = 0;
    uint8_t NameLength = 0;
    std::array<char, FreqTextCapacity> NameChars{};
    uint8_t TypeLength = 0;
    std::array<char, FreqTextCapacity> TypeChars{};
    std::array<uint8_t, 2> Reserved{};

    std::string_view Name() const { return {NameChars.data(), NameLength}; }
    std::string_view Type() const { return {TypeChars.data(), TypeLength}; }
    // Stores the first 6 characters of the text (fewer when it is shorter).
    void SetName(std::string_view text);
    void SetType(std::string_view text);

    bool operator==(const FreqRecord&) const = default;
};
// The fields are encoded byte by byte, never copied as memory; the in-memory
// record nevertheless has the same 20 bytes.
static_assert(sizeof(FreqRecord) == FreqRecordSize);

using FreqChannels = std::array<FreqRecord, FreqChannelCount>;

// The frequency of a channel that was never set.
inline constexpr int32_t FreqUnsetKHz = 118000;

// A table no channel of which was ever given: each at FreqUnsetKHz with empty
// name and type, its reserved bytes zero.
FreqChannels UnsetFreqChannels();

// Reads the first 2000 bytes of a .dat file into the table, all or nothing;
// the file is opened for reading only. A name or type length above 6 is taken
// as 6. Returns an empty string on success, else the cause ("File not found",
// "Read beyond end of file", ...); the table is then unchanged.
std::string ReadFreqDatFile(const std::string& path, FreqChannels& table);
// Writes the table as a .dat file through WriteFreqFile.
std::string WriteFreqDatFile(const std::string& path, const FreqChannels& table, const FileWriteSeams& seams = {});
// Replaces the file's contents atomically. An existing file that may not be
// written (read-only) is refused rather than replaced. Returns an empty string
// or the cause; on failure the old file is left as it was.
std::string WriteFreqFile(const std::string& path, std::span<const uint8_t> bytes, const FileWriteSeams& seams = {});

// The database the program works on: its channels, the file they came from
// and whether they differ from it. Its owner passes it to the editor, the
// file commands and the emulated transceiver.
struct FreqDatabase {
    // Every channel unset, no current file, nothing to save.
    FreqChannels Table = UnsetFreqChannels();
    // Path of the current database file; empty when none has been chosen.
    std::string CurrentFile;
    // True while Table differs from what CurrentFile holds: edits in the
    // editor, a New not yet written, an import. A load or save clears it;
    // whoever changes the table sets it.
    bool Dirty = false;
    // The seams of every write of the table: its saves and its CSV exports.
    FileWriteSeams WriteSeams;

    // Every channel at FreqUnsetKHz with empty name and type; the first
    // reserved byte of each record stays.
    void Reset();
    // ReadFreqDatFile into Table; a successful load clears Dirty.
    std::string Load(const std::string& path);
    // WriteFreqDatFile of Table; a successful save clears Dirty.
    std::string Save(const std::string& path);
};
