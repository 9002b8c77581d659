#include "gui/freqdb/frequency_commands.h"

#include <QFile>
#include <filesystem>

#include "freqdb/freq_database.h"
#include "gui/common/message_box.h"
#include "gui/freqdb/freq_edit_dialog.h"
#include "gui/freqdb/freq_file_dialog.h"

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
    };
}

template <typename Hook>
void KeepDefault(Hook& hook, Hook& fallback) {
    if (!hook) hook = std::move(fallback);
}

}  // namespace

FrequencyCommands::FrequencyCommands(QWidget* window) : FrequencyCommands(window, {}) {}

FrequencyCommands::FrequencyCommands(QWidget* window, FrequencyCommandHooks hooks)
    : FreqEdit(new TFreqEdit(window)), hooks_(std::move(hooks)) {
    FrequencyCommandHooks defaults = DefaultHooks(window, FreqEdit);
    KeepDefault(hooks_.chooseSaveFile, defaults.chooseSaveFile);
    KeepDefault(hooks_.chooseOpenFile, defaults.chooseOpenFile);
    KeepDefault(hooks_.runEditor, defaults.runEditor);
    KeepDefault(hooks_.showError, defaults.showError);
}

void FrequencyCommands::New() {
    const std::optional<std::string> path = hooks_.chooseSaveFile();
    if (!path) return;
    CurrentFreqFile = *path;
    FreqDbReset();
    if (hooks_.runEditor()) SaveTo(CurrentFreqFile);
}

// The path becomes current only once the file has loaded: after a failure a
// Save must not overwrite the file that could not be read.
void FrequencyCommands::Open() {
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

void FrequencyCommands::Save() {
    if (CurrentFreqFile.empty())
        SaveAs();
    else
        SaveTo(CurrentFreqFile);
}

void FrequencyCommands::SaveAs() {
    const std::optional<std::string> path = hooks_.chooseSaveFile();
    if (!path) return;
    CurrentFreqFile = *path;
    SaveTo(CurrentFreqFile);
}

void FrequencyCommands::Edit() {
    if (hooks_.runEditor()) Save();
}

void FrequencyCommands::LoadRememberedFile() {
    FreqDbReset();
    if (CurrentFreqFile.empty() || !FileExists(CurrentFreqFile)) return;
    if (const std::string error = FreqDbLoad(CurrentFreqFile); !error.empty()) {
        hooks_.showError(error, CurrentFreqFile);
        CurrentFreqFile.clear();
    }
}

void FrequencyCommands::SaveTo(const std::string& path) {
    if (const std::string error = FreqDbSave(path); !error.empty()) hooks_.showError(error, path);
}
