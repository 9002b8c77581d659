#include <gtest/gtest.h>

#include <QTest>
#include <cerrno>
#include <memory>

#include "common/atomic_file.h"
#include "freqdb/freq_database.h"
#include "gui/freqdb/freq_edit_dialog.h"
#include "gui/freqdb/frequency_commands.h"
#include "support/scratch_folder.h"

namespace {

struct Report {
    std::string cause;
    std::string path;
};

// Drives the commands with scripted answers for the file dialogs and a
// scripted session in the real editor dialog.
class FrequencyCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        commands =
            std::make_unique<FrequencyCommands>(nullptr, FrequencyCommandHooks{
                                                             [this] {
                                                                 ++saveDialogs;
                                                                 return saveAnswer;
                                                             },
                                                             [this] {
                                                                 ++openDialogs;
                                                                 return openAnswer;
                                                             },
                                                             [this] { return RunEditor(); },
                                                             [this](const std::string& cause, const std::string& path) {
                                                                 reports.push_back({cause, path});
                                                             },
                                                         });
    }
    void TearDown() override { SetFileWriteFault(nullptr); }

    // The user types the editor text as the name of channel 1 and closes the
    // dialog with OK or Cancel.
    bool RunEditor() {
        ++editorRuns;
        TFreqEdit& dialog = *commands->FreqEdit;
        dialog.show();
        QTest::keyClicks(dialog.Edit1, editorName);
        QTest::mouseClick(editorOk ? dialog.OkButton : dialog.CancelButton, Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    }

    // A saved database whose channel 1 carries the name and channel 2 121.500.
    std::string SavedDatabase(const std::string& fileName, const char* name) {
        const auto table = FreqTable;
        FreqTable[0].SetName(name);
        FreqTable[1].FreqKHz = 121500;
        EXPECT_EQ(FreqDbSave(folder.File(fileName)), "");
        FreqTable = table;
        return folder.File(fileName);
    }

    ScratchFolder folder;
    std::optional<std::string> saveAnswer;
    std::optional<std::string> openAnswer;
    const char* editorName = "";
    bool editorOk = true;
    int saveDialogs = 0;
    int openDialogs = 0;
    int editorRuns = 0;
    std::vector<Report> reports;
    std::unique_ptr<FrequencyCommands> commands;
};

}  // namespace

TEST_F(FrequencyCommandsTest, NewStartsAnEmptyTableAndSavesItAfterOk) {
    FreqTable[3].SetName("OLD");
    saveAnswer = folder.File("new.dat");
    editorName = "HOME";
    commands->New();
    EXPECT_EQ(CurrentFreqFile, folder.File("new.dat"));
    EXPECT_EQ(FreqTable[3].Name(), "");
    ASSERT_EQ(ReadBytes(folder.File("new.dat")).size(), 2000u);
    FreqTable = {};
    ASSERT_EQ(FreqDbLoad(folder.File("new.dat")), "");
    EXPECT_EQ(FreqTable[0].Name(), "HOME  ");
    EXPECT_TRUE(reports.empty());
}

TEST_F(FrequencyCommandsTest, NewCancelledInTheEditorWritesNothingButSaveLaterWritesThere) {
    saveAnswer = folder.File("new.dat");
    editorName = "AB";
    editorOk = false;
    commands->New();
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_EQ(CurrentFreqFile, folder.File("new.dat"));
    EXPECT_EQ(FreqTable[0].Name(), "AB    ");
    commands->Save();
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_EQ(ReadBytes(folder.File("new.dat"))[4], 6);
}

TEST_F(FrequencyCommandsTest, CancelledFileDialogChangesNothing) {
    CurrentFreqFile = "/kept.dat";
    FreqTable[0].SetName("KEEP");
    const auto before = FreqTable;
    commands->New();
    commands->Open();
    commands->SaveAs();
    EXPECT_EQ(saveDialogs, 2);
    EXPECT_EQ(openDialogs, 1);
    EXPECT_EQ(editorRuns, 0);
    EXPECT_EQ(CurrentFreqFile, "/kept.dat");
    EXPECT_EQ(FreqTable, before);
}

TEST_F(FrequencyCommandsTest, OpenLoadsShowsTheEditorAndSavesAfterOk) {
    openAnswer = SavedDatabase("db.dat", "ZZ");
    editorName = "Q";
    commands->Open();
    EXPECT_EQ(CurrentFreqFile, *openAnswer);
    EXPECT_EQ(FreqTable[1].FreqKHz, 121500);
    EXPECT_EQ(FreqTable[0].Name(), "ZZQ   ") << "the editor opened on the loaded channel 1";
    EXPECT_EQ(ReadBytes(*openAnswer)[7], 'Q');
    EXPECT_TRUE(reports.empty());
}

TEST_F(FrequencyCommandsTest, FailedOpenIsReportedAndKeepsTableAndCurrentFile) {
    const std::string previous = SavedDatabase("previous.dat", "PREV");
    CurrentFreqFile = previous;
    FreqTable[0].SetName("MEMORY");
    const auto before = FreqTable;
    WriteBytes(folder.File("short.dat"), std::vector<uint8_t>(1999, 0x55));
    openAnswer = folder.File("short.dat");
    commands->Open();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cause, "Read beyond end of file");
    EXPECT_EQ(reports[0].path, folder.File("short.dat"));
    EXPECT_EQ(editorRuns, 0);
    EXPECT_EQ(CurrentFreqFile, previous);
    EXPECT_EQ(FreqTable, before);
    commands->Save();
    EXPECT_EQ(ReadBytes(folder.File("short.dat")).size(), 1999u);
    EXPECT_EQ(ReadBytes(previous)[5], 'M');
}

TEST_F(FrequencyCommandsTest, SaveUsesTheCurrentFileAndSaveAsAlwaysAsks) {
    commands->Save();
    EXPECT_EQ(saveDialogs, 1) << "Save without a current file asks for one";
    saveAnswer = folder.File("first.dat");
    commands->Save();
    EXPECT_EQ(CurrentFreqFile, folder.File("first.dat"));
    EXPECT_EQ(saveDialogs, 2);
    FreqTable[0].SetName("TWO");
    commands->Save();
    EXPECT_EQ(saveDialogs, 2);
    EXPECT_EQ(ReadBytes(folder.File("first.dat"))[4], 3);
    saveAnswer = folder.File("second.dat");
    commands->SaveAs();
    EXPECT_EQ(saveDialogs, 3);
    EXPECT_EQ(CurrentFreqFile, folder.File("second.dat"));
    EXPECT_EQ(ReadBytes(folder.File("second.dat")), ReadBytes(folder.File("first.dat")));
}

TEST_F(FrequencyCommandsTest, EditSavesAfterOkAndCancelWritesNothing) {
    CurrentFreqFile = SavedDatabase("db.dat", "");
    const std::vector<uint8_t> old = ReadBytes(CurrentFreqFile);
    editorName = "AB";
    editorOk = false;
    commands->Edit();
    EXPECT_EQ(ReadBytes(CurrentFreqFile), old);
    EXPECT_EQ(FreqTable[0].Name(), "AB    ");
    editorOk = true;
    commands->Edit();
    EXPECT_EQ(ReadBytes(CurrentFreqFile)[4], 6);
    EXPECT_EQ(saveDialogs, 0);
}

TEST_F(FrequencyCommandsTest, FailedSaveIsReportedAndLeavesTheOldFile) {
    CurrentFreqFile = SavedDatabase("db.dat", "OLD");
    const std::vector<uint8_t> old = ReadBytes(CurrentFreqFile);
    SetFileWriteFault([](std::size_t) { return ENOSPC; });
    commands->Save();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cause, "Disk full");
    EXPECT_EQ(reports[0].path, CurrentFreqFile);
    EXPECT_EQ(ReadBytes(CurrentFreqFile), old);
}

TEST_F(FrequencyCommandsTest, StartUpLoadsTheRememberedFileWhenItExists) {
    CurrentFreqFile = SavedDatabase("db.dat", "LOADED");
    FreqTable[0].SetName("STALE");
    commands->LoadRememberedFile();
    EXPECT_EQ(FreqTable[0].Name(), "LOADED");
    CurrentFreqFile = folder.File("gone.dat");
    commands->LoadRememberedFile();
    EXPECT_EQ(FreqTable[0].Name(), "");
    EXPECT_EQ(CurrentFreqFile, folder.File("gone.dat")) << "a missing file is skipped silently";
    EXPECT_TRUE(reports.empty());
}

TEST_F(FrequencyCommandsTest, StartUpReportsAnUnreadableFileAndForgetsIt) {
    WriteBytes(folder.File("short.dat"), std::vector<uint8_t>(100, 0x55));
    CurrentFreqFile = folder.File("short.dat");
    FreqTable[0].SetName("STALE");
    commands->LoadRememberedFile();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cause, "Read beyond end of file");
    EXPECT_EQ(reports[0].path, folder.File("short.dat"));
    EXPECT_EQ(FreqTable[0].Name(), "");
    EXPECT_EQ(CurrentFreqFile, "");
    commands->Save();
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_EQ(ReadBytes(folder.File("short.dat")).size(), 100u);
}
