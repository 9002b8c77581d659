#include <gtest/gtest.h>

#include <QApplication>

// Test main for GUI tests: the offscreen platform and one QApplication. A
// fixture that replaces a message box puts the real one back as it ends
// (support/message_box_hooks.h).
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
