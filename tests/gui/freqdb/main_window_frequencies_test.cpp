#include <gtest/gtest.h>

#include "common/program_directory.h"
#include "emulator/runtime/emulator_wait.h"
#include "freqdb/freq_database.h"
#include "gui/common/message_box.h"
#include "gui/freqdb/save_changes_question.h"
#include "gui/shell/main_window.h"
#include "gui/shell/panel_picture.h"
#include "ports/port_names.h"
#include "settings/radio_ini.h"
#include "support/form_fixture.h"
#include "support/message_box_hooks.h"
#include "support/scratch_folder.h"

// The main window loads the database remembered in RADIO.INI and remembers
// the current one when it closes.
TEST(MainWindowFrequencies, RemembersTheDatabaseFileAcrossRuns) {
    ScratchFolder folder;
    const ProgramFolders folders = FoldersBeside(folder.Path() + "/");
    const std::string stem = folder.File("ttyS");  // no real serial port is touched
    const RealMessageBoxesAfterwards realBoxes;
    SetPlainMessageHandler([](const QString&) {});
    FreqDatabase saved;
    saved.Table[0].SetName("LOADED");
    ASSERT_EQ(saved.Save(folder.File("db.dat")), "");
    ASSERT_EQ(WriteRadioIni(folders.RadioIniPath(), {3, folder.File("db.dat")}), "");
    {
        TForm1 form(folders, {}, stem);
        EXPECT_FALSE(form.Image1->Picture().isNull());
        EXPECT_EQ(form.Core.FreqDb.CurrentFile, folder.File("db.dat"));
        EXPECT_EQ(form.Core.FreqDb.Table[0].Name(), "LOADED");
        form.Core.FreqDb.CurrentFile = folder.File("other.dat");
        form.close();
    }
    EXPECT_EQ(ReadRadioIni(folders.RadioIniPath()).freqFilename, folder.File("other.dat"));
    {
        TForm1 form(folders, {}, stem);
        EXPECT_EQ(form.Core.FreqDb.CurrentFile, folder.File("other.dat")) << "a missing file is remembered";
        EXPECT_EQ(form.Core.FreqDb.Table[0].Name(), "");
        form.close();
    }
    EXPECT_EQ(ReadRadioIni(folders.RadioIniPath()).freqFilename, folder.File("other.dat"));
}

// Closing the window (the same as Exit) with unsaved channels asks first;
// Cancel keeps the window open and the emulator running, Save writes the
// database before the window closes.
using MainWindowUnsavedChannels = FormTest;

TEST_F(MainWindowUnsavedChannels, ClosingAsksAndCancelKeepsEverythingRunning) {
    Open();
    form->Core.FreqDb.CurrentFile = dir.File("db.dat");
    form->Core.FreqDb.Table[0].SetName("EDITED");
    form->Core.FreqDb.Dirty = true;
    QStringList questions;
    SaveChangesAnswer answer = SaveChangesAnswer::Cancel;
    SetSaveChangesHandler([&](const QString& question) {
        questions << question;
        return answer;
    });
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Core.Emulator.StopRequest);
    EXPECT_EQ(dir.EntryCount(), 0) << "neither the database nor RADIO.INI was written";
    answer = SaveChangesAnswer::Save;
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(form->Core.Emulator.StopRequest);
    EXPECT_EQ(questions, QStringList(2, QString::fromStdString("Save changes to the frequency database " +
                                                               dir.File("db.dat") + "?")));
    EXPECT_EQ(dir.Read("db.dat")[5], 'E');
}
