#include <gtest/gtest.h>

#include <QApplication>

#include "gui/common/message_box.h"
#include "gui/freqdb/save_changes_question.h"
#include "support/fresh_state.h"

// Test main for GUI tests: the offscreen platform, one QApplication, and
// every test starting from a full reset with the real message boxes back.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshStateForEachTest([] {
        SetPlainMessageHandler({});
        SetSaveChangesHandler({});
    }));
    return RUN_ALL_TESTS();
}
