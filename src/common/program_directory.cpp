#include "common/program_directory.h"

ProgramFolders FoldersBeside(const std::string& directory) { return {directory, {directory, directory, true}}; }

std::string ProgramDirectoryOf(std::string_view executablePath) {
    std::string_view path = executablePath;
    while (!path.empty() && path.back() != '/') path.remove_suffix(1);
    return std::string(path);
}
