#include "common/program_directory.h"

namespace {
std::string gProgramDirectory;
}

const std::string& ProgramDirectory() { return gProgramDirectory; }

void SetProgramDirectory(std::string directory) { gProgramDirectory = std::move(directory); }

std::string ProgramDirectoryOf(std::string_view executablePath) {
    std::string_view path = executablePath;
    while (!path.empty() && path.back() != '/') path.remove_suffix(1);
    return std::string(path);
}
