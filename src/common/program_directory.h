#pragma once
#include <string>
#include <string_view>

// The directory of the executable with its trailing separator, where
// RADIO.INI and e2.dfd live (not the working directory).
const std::string& ProgramDirectory();

// Sets what ProgramDirectory returns: main() passes the executable's path,
// tests a temporary folder (with its trailing separator).
void SetProgramDirectory(std::string directory);

// The directory part of an executable path: the path cut back until its last
// character is a separator, or empty. The whole path counts, however long:
// cutting it short first would name some other folder.
std::string ProgramDirectoryOf(std::string_view executablePath);
