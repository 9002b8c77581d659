#include "gui/freqdb/frequency_commands.h"

#include <QFile>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "freqdb/freq_csv_file.h"
#include "freqdb/freq_database.h"
#include "gui/common/message_box.h"
#include "gui/freqdb/freq_edit_dialog.h"
#include "gui/freqdb/freq_file_dialog.h"
#include "gui/freqdb/save_changes_question.h"

namespace {

// Like the toolkit's own check for an existing file, a folder does not count.
bool FileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored) && !std::filesystem::is_directory(path, ignored);
}

FrequencyCommandHooks DefaultHooks(QWidget* window, TFreqEdit* editor, const FreqDatabase& db) {
    return {
        [window, &db] { return ChooseFreqFile(window, QFileDialog::AcceptSave, db.CurrentFile); },
        [window, &db] { return ChooseFreqFile(window, QFileDialog::AcceptOpen, db.CurrentFile); },
        [editor] { return editor->exec() == QDialog::Accepted; },
        [window](const std::string& cause, const std::string& path) {
            ShowPlainMessage(window, QString::fromStdString(cause) + "\n" + QFile::decodeName(path.c_str()));
        },
        [window, &db] { return ChooseFreqFile(window, QFileDialog::AcceptOpen, db.CurrentFile, CsvFiles); },
        [window, &db] { return ChooseFreqFile(window, QFileDialog::AcceptSave, db.CurrentFile, CsvFiles); },
        [](const std::string&) {},
    };
}

// A channel in use has a name, a type or a frequency of its own; the others
// are as New leaves them.
int ChannelsInUse(const FreqChannels& table) {
    return static_cast<int>(std::count_if(table.begin(), table.end(), [](const FreqRecord& record) {
        return !record.Name().empty() || !record.Type().empty() || record.FreqKHz != FreqUnsetKHz;
    }));
}

std::string Channels(int count) { return std::to_string(count) + (count == 1 ? " channel" : " channels"); }

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// Every problem (each bad row) on a line of its own under one heading.
std::string ImportProblems(const std::vector<std::string>& problems) {
    std::string text = "Nothing was imported, the frequency database is unchanged:";
    for (const std::string& problem : problems) text += "\n" + problem;
    return text;
}

template <typename Hook>
void KeepDefault(Hook& hook, Hook& fallback) {
    if (!hook) hook = std::move(fallback);
}

}  // namespace

FrequencyCommands::FrequencyCommands(QWidget* window, FreqDatabase& db) : FrequencyCommands(window, db, {}) {}

FrequencyCommands::FrequencyCommands(QWidget* window, FreqDatabase& db, FrequencyCommandHooks hooks)
    : FreqEdit(new TFreqEdit(db, window)), window_(window), db_(db), hooks_(std::move(hooks)) {
    FrequencyCommandHooks defaults = DefaultHooks(window, FreqEdit, db);
    KeepDefault(hooks_.chooseSaveFile, defaults.chooseSaveFile);
    KeepDefault(hooks_.chooseOpenFile, defaults.chooseOpenFile);
    KeepDefault(hooks_.runEditor, defaults.runEditor);
    KeepDefault(hooks_.showError, defaults.showError);
    KeepDefault(hooks_.chooseImportFile, defaults.chooseImportFile);
    KeepDefault(hooks_.chooseExportFile, defaults.chooseExportFile);
    KeepDefault(hooks_.showStatus, defaults.showStatus);
}

// An untitled table: the editor's OK saves it through Save as, whose dialog
// then suggests no file, so that no database is overwritten by an empty one.
void FrequencyCommands::New() {
    if (!SaveOrDiscardChanges()) return;
    db_.CurrentFile.clear();
    db_.Reset();
    db_.Dirty = true;
    if (hooks_.runEditor()) Save();
}

// The path becomes current only once the file has loaded: after a failure a
// Save must not overwrite the file that could not be read.
void FrequencyCommands::Open() {
    if (!SaveOrDiscardChanges()) return;
    const std::optional<std::string> path = hooks_.chooseOpenFile();
    if (!path || !OpenFile(*path)) return;
    if (hooks_.runEditor()) SaveTo(db_.CurrentFile);
}

bool FrequencyCommands::OpenFile(const std::string& path) {
    if (const std::string error = db_.Load(path); !error.empty()) {
        hooks_.showError(error, path);
        return false;
    }
    db_.CurrentFile = path;
    return true;
}

bool FrequencyCommands::Save() { return db_.CurrentFile.empty() ? SaveAs() : SaveTo(db_.CurrentFile); }

bool FrequencyCommands::SaveAs() {
    const std::optional<std::string> path = hooks_.chooseSaveFile();
    if (!path) return false;
    db_.CurrentFile = *path;
    return SaveTo(db_.CurrentFile);
}

void FrequencyCommands::Edit() {
    if (hooks_.runEditor()) Save();
}

void FrequencyCommands::ImportCsv() {
    if (!SaveOrDiscardChanges()) return;
    const std::optional<std::string> path = hooks_.chooseImportFile();
    if (!path) return;
    if (const std::vector<std::string> problems = FreqDbImportCsv(db_, *path); !problems.empty())
        return hooks_.showError(ImportProblems(problems), *path);
    const int inUse = ChannelsInUse(db_.Table);
    hooks_.showStatus("Imported " + FileName(*path) + ": " + Channels(inUse) + " in use, " +
                      std::to_string(FreqChannelCount - inUse) + " empty.");
}

void FrequencyCommands::ExportCsv() {
    const std::optional<std::string> path = hooks_.chooseExportFile();
    if (!path) return;
    if (const std::string error = FreqDbExportCsv(db_, *path); !error.empty()) return hooks_.showError(error, *path);
    hooks_.showStatus("Exported " + Channels(FreqChannelCount) + " to " + FileName(*path) + ".");
}

bool FrequencyCommands::SaveOrDiscardChanges() {
    if (!db_.Dirty) return true;
    const QString file = db_.CurrentFile.empty() ? "untitled" : QFile::decodeName(db_.CurrentFile.c_str());
    switch (AskSaveChanges(window_, file)) {
        case SaveChangesAnswer::Save: return Save();
        case SaveChangesAnswer::Discard: return true;
        case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

void FrequencyCommands::LoadRememberedFile() {
    db_.Reset();
    db_.Dirty = false;
    if (db_.CurrentFile.empty() || !FileExists(db_.CurrentFile)) return;
    if (const std::string error = db_.Load(db_.CurrentFile); !error.empty()) {
        hooks_.showError(error, db_.CurrentFile);
        db_.CurrentFile.clear();
    }
}

bool FrequencyCommands::SaveTo(const std::string& path) {
    const std::string error = db_.Save(path);
    if (!error.empty()) hooks_.showError(error, path);
    return error.empty();
}
