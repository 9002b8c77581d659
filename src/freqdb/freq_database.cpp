#include "freqdb/freq_database.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/atomic_file.h"
#include "common/little_endian.h"
#include "common/regular_file.h"

namespace {

using FileBytes = std::array<uint8_t, FreqFileSize>;

void StoreText(std::string_view text, uint8_t& length, std::array<char, FreqTextCapacity>& chars) {
    length = static_cast<uint8_t>(std::min<std::size_t>(text.size(), FreqTextCapacity));
    std::copy_n(text.begin(), length, chars.begin());
}

// A length byte above 6 has no meaning; it is clamped so that nothing outside
// the record is read.
void DecodeText(const uint8_t* bytes, uint8_t& length, std::array<char, FreqTextCapacity>& chars) {
    length = std::min<uint8_t>(bytes[0], FreqTextCapacity);
    std::copy_n(bytes + 1, FreqTextCapacity, chars.begin());
}

FreqRecord DecodeRecord(const uint8_t* bytes) {
    FreqRecord record;
    record.FreqKHz = ReadLe32(bytes);
    DecodeText(bytes + 4, record.NameLength, record.NameChars);
    DecodeText(bytes + 11, record.TypeLength, record.TypeChars);
    record.Reserved = {bytes[18], bytes[19]};
    return record;
}

void EncodeRecord(const FreqRecord& record, uint8_t* bytes) {
    WriteLe32(bytes, record.FreqKHz);
    bytes[4] = record.NameLength;
    std::copy(record.NameChars.begin(), record.NameChars.end(), bytes + 5);
    bytes[11] = record.TypeLength;
    std::copy(record.TypeChars.begin(), record.TypeChars.end(), bytes + 12);
    bytes[18] = record.Reserved[0];
    bytes[19] = record.Reserved[1];
}

// Reads exactly the first 2000 bytes; returns 0, an errno value, or -1 when
// the file is shorter. Only a regular file is read, so a pipe or a device
// named as database cannot hang the program.
int ReadWholeTable(const std::string& path, FileBytes& bytes) {
    std::size_t count = 0;
    if (const int error = ReadRegularFile(path, bytes, count)) return error;
    return count < bytes.size() ? -1 : 0;
}

}  // namespace

void FreqRecord::SetName(std::string_view text) { StoreText(text, NameLength, NameChars); }

void FreqRecord::SetType(std::string_view text) { StoreText(text, TypeLength, TypeChars); }

FreqChannels UnsetFreqChannels() {
    FreqChannels table{};
    for (FreqRecord& record : table) record.FreqKHz = FreqUnsetKHz;
    return table;
}

void FreqDatabase::Reset() {
    for (FreqRecord& record : Table) {
        record.FreqKHz = FreqUnsetKHz;
        record.NameLength = 0;
        record.TypeLength = 0;
        record.Reserved[1] = 0;
    }
}

std::string ReadFreqDatFile(const std::string& path, FreqChannels& table) {
    FileBytes bytes;
    if (const int error = ReadWholeTable(path, bytes))
        return error < 0 ? "Read beyond end of file" : FileErrorText(error);
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = DecodeRecord(&bytes[i * FreqRecordSize]);
    return {};
}

std::string WriteFreqDatFile(const std::string& path, const FreqChannels& table, const FileWriteSeams& seams) {
    FileBytes bytes{};
    for (std::size_t i = 0; i < table.size(); ++i) EncodeRecord(table[i], &bytes[i * FreqRecordSize]);
    return WriteFreqFile(path, bytes, seams);
}

std::string WriteFreqFile(const std::string& path, std::span<const uint8_t> bytes, const FileWriteSeams& seams) {
    // A rename replaces even a read-only file; keep such a file protected.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return FileErrorText(errno);
    return WriteFileAtomically(path, bytes, seams);
}

std::string FreqDatabase::Load(const std::string& path) {
    FreqChannels table;
    std::string error = ReadFreqDatFile(path, table);
    if (error.empty()) {
        Table = table;
        Dirty = false;
    }
    return error;
}

std::string FreqDatabase::Save(const std::string& path) {
    std::string error = WriteFreqDatFile(path, Table, WriteSeams);
    if (error.empty()) Dirty = false;
    return error;
}
