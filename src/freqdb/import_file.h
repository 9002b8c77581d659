#pragma once
#include <cstddef>
#include <string>

// Files made by other programs (CSV tables, airport-frequency lists) are read
// whole, but never beyond a bound: a file named by mistake may be huge, and a
// pipe or a device may never end. The largest list expected is a few MB.
inline constexpr std::size_t MaxImportFileSize = std::size_t{64} << 20;

// Reads a regular file of at most MaxImportFileSize bytes into `text`.
// Returns an empty string, or why it cannot in words: the cause ("File not
// found", "File access denied"), "not a regular file (a pipe, a device or a
// socket)" or "larger than 64 MB, more than any frequency list". A file
// that grows past the bound while it is read is refused too.
std::string ReadImportFile(const std::string& path, std::string& text);
