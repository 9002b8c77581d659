#pragma once
#include <string>

// Which folders hold RADIO.INI and e2.dfd.
//
// A copy run from a folder its user can write (the build folder, an unpacked
// copy) keeps both beside the executable. An installed copy, one whose install
// tree lies around it (its desktop entry in the share folder beside its bin
// folder), keeps them in the user's folders, wherever it was installed, so
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

// `programDirectory` ends with a separator. `installMarker` is a file of the
// install tree relative to the program's folder, such as
// "../share/applications/<id>.desktop": where it exists the copy is
// installed. An empty `installMarker` marks nothing.
SettingsFolders ChooseSettingsFolders(const std::string& programDirectory, const std::string& installMarker);

// Creates the folders (and their parents) that do not exist yet, readable by
// their user only. Returns an empty string or the cause of the failure.
std::string CreateSettingsFolders(const SettingsFolders& folders);
