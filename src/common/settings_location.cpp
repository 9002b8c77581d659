#include "common/settings_location.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/atomic_file.h"

namespace {

constexpr const char* kFolderName = "vhfcom/";

std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

std::string HomeDirectory() {
    if (std::string home = AbsoluteVariable("HOME"); !home.empty()) return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

std::string WithSeparator(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

// $name, else the home folder's `fallback`.
std::string BaseDirectory(const char* name, const char* fallback) {
    std::string base = AbsoluteVariable(name);
    if (base.empty()) base = WithSeparator(HomeDirectory()) + fallback;
    return WithSeparator(base) + kFolderName;
}

bool Installed(const std::string& programDirectory, const std::string& installMarker) {
    if (installMarker.empty()) return false;
    std::error_code error;
    return std::filesystem::is_regular_file(programDirectory + installMarker, error);
}

}  // namespace

SettingsFolders ChooseSettingsFolders(const std::string& programDirectory, const std::string& installMarker) {
    const bool installed = Installed(programDirectory, installMarker);
    const bool writable =
        ::faccessat(AT_FDCWD, programDirectory.empty() ? "." : programDirectory.c_str(), W_OK, AT_EACCESS) == 0;
    if (!installed && writable) return {programDirectory, programDirectory, true};
    return {BaseDirectory("XDG_CONFIG_HOME", ".config"), BaseDirectory("XDG_DATA_HOME", ".local/share"), false};
}

std::string CreateSettingsFolders(const SettingsFolders& folders) {
    for (const std::string& folder : {folders.config, folders.data}) {
        std::error_code error;
        const bool created = std::filesystem::create_directories(folder, error);
        if (error) return FileErrorText(error.value()) + ": " + folder;
        if (created) ::chmod(folder.c_str(), S_IRWXU);
    }
    return {};
}
