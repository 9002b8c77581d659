#pragma once
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

// A file name's extension in lower case, the dot included (".csv"), so that
// the files chosen by their kind match in any case.
inline std::string LowerCaseExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}
