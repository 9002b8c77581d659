#include "firmware_soak/soak_folder.h"

#include <stdlib.h>

#include <filesystem>

namespace {

std::filesystem::path SoakFolderParent() {
    std::error_code error;
    const std::filesystem::path memory = "/dev/shm";
    return std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
}

}  // namespace

SoakFolder::SoakFolder() {
    std::string pattern = (SoakFolderParent() / "vhfcom-soak-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern + "/" : std::string();
}

SoakFolder::~SoakFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
