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

FrequencyCommandHooks DefaultHooks(QWidget* window, TFreqEdit* editor) {
    return {
        [window] { return ChooseFreqFile(window, QFileDialog::AcceptSave); },
        [window] { return ChooseFreqFile(window, QFileDialog::AcceptOpen); },
        [editor] { return editor->exec() == QDialog::Accepted; },
        [window](const std::string& cause, const std::string& path) {
            ShowPlainMessage(window, QString::fromStdString(cause) + "\n" + QFile::decodeName(path.c_str()));
        },
        [window] { return ChooseFreqFile(window, QFileDialog::AcceptOpen, CsvFiles); },
        [window] { return ChooseFreqFile(window, QFileDialog::AcceptSave, CsvFiles); },
        [](const std::string&) {},
    };
}

// A channel in use has a name, a type or a frequency of its own; the others
// are as New leaves them.
int ChannelsInUse() {
    return static_cast<int>(std::count_if(FreqTable.begin(), FreqTable.end(), [](const FreqRecord& record) {
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

FrequencyCommands::FrequencyCommands(QWidget* window) : FrequencyCommands(window, {}) {}

FrequencyCommands::FrequencyCommands(QWidget* window, FrequencyCommandHooks hooks)
    : FreqEdit(new TFreqEdit(window)), window_(window), hooks_(std::move(hooks)) {
    FrequencyCommandHooks defaults = DefaultHooks(window, FreqEdit);
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
    CurrentFreqFile.clear();
    FreqDbReset();
    FreqDbDirty = true;
    if (hooks_.runEditor()) Save();
}

// The path becomes current only once the file has loaded: after a failure a
// Save must not overwrite the file that could not be read.
void FrequencyCommands::Open() {
    if (!SaveOrDiscardChanges()) return;
    const std::optional<std::string> path = hooks_.chooseOpenFile();
    if (!path || !OpenFile(*path)) return;
    if (hooks_.runEditor()) SaveTo(CurrentFreqFile);
}

bool FrequencyCommands::OpenFile(const std::string& path) {
    if (const std::string error = FreqDbLoad(path); !error.empty()) {
        hooks_.showError(error, path);
        return false;
    }
    CurrentFreqFile = path;
    return true;
}

bool FrequencyCommands::Save() { return CurrentFreqFile.empty() ? SaveAs() : SaveTo(CurrentFreqFile); }

bool FrequencyCommands::SaveAs() {
    const std::optional<std::string> path = hooks_.chooseSaveFile();
    if (!path) return false;
    CurrentFreqFile = *path;
    return SaveTo(CurrentFreqFile);
}

void FrequencyCommands::Edit() {
    if (hooks_.runEditor()) Save();
}

void FrequencyCommands::ImportCsv() {
    if (!SaveOrDiscardChanges()) return;
    const std::optional<std::string> path = hooks_.chooseImportFile();
    if (!path) return;
    if (const std::vector<std::string> problems = FreqDbImportCsv(*path); !problems.empty())
        return hooks_.showError(ImportProblems(problems), *path);
    const int inUse = ChannelsInUse();
    hooks_.showStatus("Imported " + FileName(*path) + ": " + Channels(inUse) + " in use, " +
                      std::to_string(FreqChannelCount - inUse) + " empty.");
}

void FrequencyCommands::ExportCsv() {
    const std::optional<std::string> path = hooks_.chooseExportFile();
    if (!path) return;
    if (const std::string error = FreqDbExportCsv(*path); !error.empty()) return hooks_.showError(error, *path);
    hooks_.showStatus("Exported " + Channels(FreqChannelCount) + " to " + FileName(*path) + ".");
}

bool FrequencyCommands::SaveOrDiscardChanges() {
    if (!FreqDbDirty) return true;
    const QString file = CurrentFreqFile.empty() ? "untitled" : QFile::decodeName(CurrentFreqFile.c_str());
    switch (AskSaveChanges(window_, file)) {
        case SaveChangesAnswer::Save: return Save();
        case SaveChangesAnswer::Discard: return true;
        case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

void FrequencyCommands::LoadRememberedFile() {
    FreqDbReset();
    FreqDbDirty = false;
    if (CurrentFreqFile.empty() || !FileExists(CurrentFreqFile)) return;
    if (const std::string error = FreqDbLoad(CurrentFreqFile); !error.empty()) {
        hooks_.showError(error, CurrentFreqFile);
        CurrentFreqFile.clear();
    }
}

bool FrequencyCommands::SaveTo(const std::string& path) {
    const std::string error = FreqDbSave(path);
    if (!error.empty()) hooks_.showError(error, path);
    return error.empty();
}
