#pragma once
#include <cstdint>
#include <span>
#include <string>

// Replaces a file's contents all at once, as ReplacingFile does
// (replacing_file.h): through a temporary file renamed over the target, the
// permissions of the old file kept, a symbolic link followed, a file in a
// folder that takes no new file overwritten in place. A crash or a full disk
// leaves either the old or the new file, never half of one.
//
// Returns an empty string on success, otherwise the cause in words
// ("Disk full", "File access denied", ...); the old file is then untouched
// (unless it was being written in place) and no temporary file is left
// behind.
std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// The cause of a failed file operation in the words users know
// ("File not found", "File access denied", "Disk full", ...).
std::string FileErrorText(int errnoValue);

// Test seam: when set, called before each write with the number of bytes
// written so far; returning an errno value makes that write fail with it.
using FileWriteFault = int (*)(std::size_t bytesWrittenSoFar);
void SetFileWriteFault(FileWriteFault fault);
// The fault for a write after `bytesWrittenSoFar` bytes: 0 unless a test set one.
int InjectedWriteFault(std::size_t bytesWrittenSoFar);
