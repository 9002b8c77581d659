#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Every file the program reads is opened here (and the loops that read and
// write whole buffers live here too). A named pipe, a device or a
// folder put in a file's place must neither block the program (opening a pipe
// waits for a writer, reading a terminal waits for input) nor feed it
// endless bytes (/dev/zero), so the file is opened without blocking and only
// a regular file is accepted.

// Opens an existing regular file for reading. Returns 0 and the descriptor
// (the caller closes it), or an errno value: EISDIR for a folder, EACCES for
// any other kind of file (pipe, device, socket), ENOENT for a missing one.
int OpenRegularFile(const std::string& path, int& fd);

// Reads a regular file from its start until `buffer` is full or the file
// ends; `count` is the number of bytes read. Returns 0 or an errno value, as
// OpenRegularFile or from the read.
int ReadRegularFile(const std::string& path, std::span<uint8_t> buffer, std::size_t& count);

// Reads from `fd` until `buffer` is full or the file ends, as above.
int ReadUpTo(int fd, std::span<uint8_t> buffer, std::size_t& count);

// Writes all of `bytes` to `fd`, retrying short writes; `written` counts what
// was written. Returns 0 or an errno value.
int WriteAll(int fd, std::span<const uint8_t> bytes, std::size_t& written);
