#pragma once
#include <functional>
#include <optional>
#include <string>

class QWidget;
class TFreqEdit;
struct FreqDatabase;

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
    // The CSV file to import or to export to, or nothing when cancelled.
    std::function<std::optional<std::string>()> chooseImportFile;
    std::function<std::optional<std::string>()> chooseExportFile;
    // What an import or export did, for the status line; nothing by default.
    std::function<void(const std::string& done)> showStatus;
};

// The commands of the "&Frequencies" menu on a database's table and file,
// and the loading of the remembered database at start-up. Every failure is
// reported through showError and ends the command; an import or export that
// succeeded says through showStatus how many channels it moved. New, Open and
// Import CSV first offer to save unsaved changes (SaveOrDiscardChanges).
class FrequencyCommands {
public:
    FrequencyCommands(QWidget* window, FreqDatabase& db);
    // Hooks left empty keep their defaults.
    FrequencyCommands(QWidget* window, FreqDatabase& db, FrequencyCommandHooks hooks);
    // One set of commands per window: a copy would share its editor dialog.
    FrequencyCommands(const FrequencyCommands&) = delete;
    FrequencyCommands& operator=(const FrequencyCommands&) = delete;

    void New();
    void Open();
    // True when the table was written.
    bool Save();
    bool SaveAs();
    void Edit();
    // Replaces the table by a CSV file's channels, all or nothing; the table
    // then differs from the current file until it is saved.
    void ImportCsv();
    void ExportCsv();

    // When the table has unsaved changes, asks whether to save them. True
    // when the caller may go on: nothing to save, Discard, or Save and the
    // table was written; false for Cancel or a save that did not happen.
    bool SaveOrDiscardChanges();

    // Loads the file as Open does, without the editor: on success it becomes
    // the current file; a failure is reported and changes nothing. Returns
    // whether it loaded.
    bool OpenFile(const std::string& path);

    // Resets the table and loads the current file when it names an existing
    // file. A file that fails to load is reported and forgotten, so that a
    // later Save cannot overwrite it with the empty table.
    void LoadRememberedFile();

    FreqDatabase& Database() { return db_; }

    TFreqEdit* FreqEdit = nullptr;

private:
    bool SaveTo(const std::string& path);

    QWidget* window_ = nullptr;
    FreqDatabase& db_;
    FrequencyCommandHooks hooks_;
};
