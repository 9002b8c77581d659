#pragma once
#include <string>
#include <string_view>

// The folder of the executable and the folders of the program's settings
// files, each with its trailing separator: RADIO.INI lives in
// ConfigDirectory(), e2.dfd in DataDirectory() (see settings_location.h for
// which folders those are).
const std::string& ProgramDirectory();
const std::string& ConfigDirectory();
const std::string& DataDirectory();

// Sets the folder of the executable and points both settings folders at it,
// as for a copy run from a folder its user can write. main() passes the
// executable's folder, tests a temporary folder.
void SetProgramDirectory(std::string directory);
// Points the settings folders elsewhere (an installed copy).
void SetSettingsDirectories(std::string config, std::string data);

// The directory part of an executable path: the path cut back until its last
// character is a separator, or empty. The whole path counts, however long:
// cutting it short first would name some other folder.
std::string ProgramDirectoryOf(std::string_view executablePath);
