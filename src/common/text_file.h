#pragma once
#include <string>

// Reads the whole file into `text`; returns 0 or the errno value of the
// failure (ENOENT for a missing file).
int ReadTextFile(const std::string& path, std::string& text);
