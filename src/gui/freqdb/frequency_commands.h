#pragma once
#include <functional>
#include <optional>
#include <string>

class QWidget;
class TFreqEdit;

// What the commands show the user. The defaults are the real file dialogs,
// the modal editor and a message box; tests put their own in.
struct FrequencyCommandHooks {
    // The chosen path, or nothing when the user cancelled.
    std::function<std::optional<std::string>()> chooseSaveFile;
    std::function<std::optional<std::string>()> chooseOpenFile;
    // Shows the editor modally; true when it was closed with OK.
    std::function<bool()> runEditor;
    // A failed file operation: the cause in words and the file.
    std::function<void(const std::string& cause, const std::string& path)> showError;
};

// The commands of the "&Frequencies" menu on FreqTable and CurrentFreqFile,
// and the loading of the remembered database at start-up. Every failure is
// reported through showError and ends the command.
class FrequencyCommands {
public:
    explicit FrequencyCommands(QWidget* window);
    // Hooks left empty keep their defaults.
    FrequencyCommands(QWidget* window, FrequencyCommandHooks hooks);
    // One set of commands per window: a copy would share its editor dialog.
    FrequencyCommands(const FrequencyCommands&) = delete;
    FrequencyCommands& operator=(const FrequencyCommands&) = delete;

    void New();
    void Open();
    void Save();
    void SaveAs();
    void Edit();

    // Loads the file as Open does, without the editor: on success it becomes
    // CurrentFreqFile; a failure is reported and changes nothing. Returns
    // whether it loaded.
    bool OpenFile(const std::string& path);

    // Resets the table and loads CurrentFreqFile when it names an existing
    // file. A file that fails to load is reported and forgotten, so that a
    // later Save cannot overwrite it with the empty table.
    void LoadRememberedFile();

    TFreqEdit* FreqEdit = nullptr;

private:
    void SaveTo(const std::string& path);

    FrequencyCommandHooks hooks_;
};
