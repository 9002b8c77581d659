#pragma once
#include <cstdint>
#include <span>
#include <string>

// Replaces a file's contents all at once: the bytes go to a temporary file in
// the same folder, created with the permissions of the file it replaces (a
// new file gets the usual ones, less the umask), are flushed to disk, and the
// temporary file is renamed over the target; then the folder is flushed. A
// crash or a full disk leaves either the old or the new file, never half of
// one.
//
// A symbolic link is followed: the file it points to is replaced and the link
// stays. A file that may be written in a folder that takes no new file (a
// read-only folder) is overwritten in place instead, which is not atomic.
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
