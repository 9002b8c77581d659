#pragma once
#include <cstddef>
#include <limits>
#include <string>

// Reads the whole file into `text`; returns 0 or the errno value of the
// failure (ENOENT for a missing file, EFBIG for a file larger than `limit`,
// found from its size or while it is read). Only a regular file is read
// (common/regular_file.h): anything else fails without blocking. On failure
// `text` is empty.
int ReadTextFile(const std::string& path, std::string& text,
                 std::size_t limit = std::numeric_limits<std::size_t>::max());
