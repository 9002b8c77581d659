#pragma once
#include <cstdint>
#include <span>
#include <string>

// Replaces a file's contents all at once: the bytes go to a temporary file in
// the same folder, are flushed to disk, and the temporary file is renamed over
// the target. A crash or a full disk leaves either the old or the new file,
// never half of one.
//
// Returns an empty string on success, otherwise the cause in words
// ("Disk full", "File access denied", ...); the old file is then untouched
// and no temporary file is left behind.
std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// The cause of a failed file operation in the words users know
// ("File not found", "File access denied", "Disk full", ...).
std::string FileErrorText(int errnoValue);

// Test seam: when set, called before each write with the number of bytes
// written so far; returning an errno value makes that write fail with it.
using FileWriteFault = int (*)(std::size_t bytesWrittenSoFar);
void SetFileWriteFault(FileWriteFault fault);
