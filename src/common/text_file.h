#pragma once
#include <string>

// Reads the whole file into `text`; returns 0 or the errno value of the
// failure (ENOENT for a missing file). Only a regular file is read
// (common/regular_file.h): anything else fails without blocking.
int ReadTextFile(const std::string& path, std::string& text);
