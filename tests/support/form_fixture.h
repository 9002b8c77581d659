#pragma once
#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "common/program_directory.h"
#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_wait.h"
#include "gui/common/message_box.h"
#include "gui/shell/main_window.h"
#include "gui/shell/panel_picture.h"
#include "modes/operating_mode.h"
#include "ports/port_names.h"
#include "support/message_box_hooks.h"
#include "support/temp_dir.h"

// A main window on the offscreen platform whose program directory is a fresh
// temporary folder. Its timers are stopped once it is built, so that nothing
// runs unless a test calls the handler; message boxes are recorded instead
// of shown until the test ends. The serial ports point into the empty folder, so opening one
// fails the same way on every machine; its message is kept apart.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPlainMessageHandler(
            [this](const QString& text) { (text.startsWith("The selected port ") ? portMessages : messages) << text; });
    }
    void TearDown() override { form.reset(); }

    // Builds the window as the program start does; returns whether Timer1
    // was left running to start the emulator.
    bool Open(const StartOptions& options = {}) {
        form = std::make_unique<TForm1>(FoldersBeside(dir.WithSeparator()), options, dir.File("ttyS"));
        EXPECT_FALSE(form->Image1->Picture().isNull()) << "the panel picture comes with the GUI library";
        const bool emulatorScheduled = form->Timer1.isActive();
        EXPECT_TRUE(form->Timer2.isActive());
        form->Timer1.stop();
        form->Timer2.stop();
        form->Comm1HandOver.SetServedAtTicks(false);  // no tick serves the port: its events come at once
        form->show();
        return emulatorScheduled;
    }

    RealMessageBoxesAfterwards realBoxes;
    TempDir dir;
    std::unique_ptr<TForm1> form;
    QStringList messages;      // every plain message but the port's
    QStringList portMessages;  // "The selected port COMn (or its device) is not available, ..."
};
