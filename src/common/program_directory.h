#pragma once
#include <string>
#include <string_view>

#include "common/settings_location.h"

// The folder of the executable and the folders of the program's settings
// files, each with its trailing separator. main() computes them once at start
// (see settings_location.h for which settings folders it takes) and hands
// them to whatever reads or writes a settings file; tests make their own.
struct ProgramFolders {
    std::string program;
    SettingsFolders settings;

    // RADIO.INI, the program's own settings.
    std::string RadioIniPath() const { return settings.config + "RADIO.INI"; }
    // e2.dfd, the emulated unit's settings store.
    std::string FirmwareSettingsPath() const { return settings.data + "e2.dfd"; }
};

// A copy whose settings files lie beside it in `directory`, as for a copy
// run from a folder its user can write (tests: a temporary folder).
ProgramFolders FoldersBeside(const std::string& directory);

// The directory part of an executable path: the path cut back until its last
// character is a separator, or empty. The whole path counts, however long:
// cutting it short first would name some other folder.
std::string ProgramDirectoryOf(std::string_view executablePath);
