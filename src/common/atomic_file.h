#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "common/file_sync.h"

// Test seams of a write: `fault`, when given, is called before each write
// with the number of bytes written so far, and an errno value it returns
// makes that write fail with it; `watch` sees the steps that make the file
// durable (file_sync.h). An object that writes files keeps the seams of its
// writes, empty (the real file system) unless a test sets them.
using FileWriteFault = std::function<int(std::size_t bytesWrittenSoFar)>;
struct FileWriteSeams {
    FileWriteFault fault = nullptr;
    FileStepWatch watch = nullptr;
};

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
std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                                const FileWriteSeams& seams = {});

// The cause of a failed file operation in the words users know
// ("File not found", "File access denied", "Disk full", ...).
std::string FileErrorText(int errnoValue);
