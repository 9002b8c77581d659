#include "common/program_directory.h"

namespace {
std::string gProgramDirectory;
std::string gConfigDirectory;
std::string gDataDirectory;
}  // namespace

const std::string& ProgramDirectory() { return gProgramDirectory; }
const std::string& ConfigDirectory() { return gConfigDirectory; }
const std::string& DataDirectory() { return gDataDirectory; }

void SetProgramDirectory(std::string directory) {
    gConfigDirectory = directory;
    gDataDirectory = directory;
    gProgramDirectory = std::move(directory);
}

void SetSettingsDirectories(std::string config, std::string data) {
    gConfigDirectory = std::move(config);
    gDataDirectory = std::move(data);
}

std::string ProgramDirectoryOf(std::string_view executablePath) {
    std::string_view path = executablePath;
    while (!path.empty() && path.back() != '/') path.remove_suffix(1);
    return std::string(path);
}
