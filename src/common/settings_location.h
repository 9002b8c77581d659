#pragma once
#include <string>

// Which folders hold RADIO.INI and e2.dfd.
//
// A copy run from a folder its user can write (the build folder, an unpacked
// copy) keeps both beside the executable. An installed copy, one whose folder
// is the bin folder it was installed to, keeps them in the user's folders, so
// that nothing is written beside a system-wide executable, root's runs
// included; so does a copy in a folder its user cannot write:
//   RADIO.INI  $XDG_CONFIG_HOME/vhfcom/  (default ~/.config/vhfcom/)
//   e2.dfd     $XDG_DATA_HOME/vhfcom/    (default ~/.local/share/vhfcom/)
// A variable that is unset, empty or not an absolute path counts as unset.
struct SettingsFolders {
    std::string config;  // with its trailing separator
    std::string data;
    bool besideProgram = false;
};

// `programDirectory` and `installedBinDirectory` end with a separator; an
// empty `installedBinDirectory` means the build knows no installed place.
SettingsFolders ChooseSettingsFolders(const std::string& programDirectory, const std::string& installedBinDirectory);

// Creates the folders (and their parents) that do not exist yet, readable by
// their user only. Returns an empty string or the cause of the failure.
std::string CreateSettingsFolders(const SettingsFolders& folders);
