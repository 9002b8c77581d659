// The window on a screen large enough for 150% and 200% but not 300%: the
// offscreen platform given one 2000 x 1200 screen, so this program has a main
// of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "gui/shell/window_zoom.h"
#include "support/form_fixture.h"

namespace {

class LargeScreenTest : public FormTest {};

TEST_F(LargeScreenTest, ASavedZoomStartsAtTheLargestThatFitsUpToItself) {
    const struct {
        const char* saved;
        int started;
    } rows[] = {{"150", 150}, {"200", 200}, {"300", 200}};
    for (const auto& row : rows) {
        dir.Write("RADIO.INI", std::string("[Setup]\nZoom=") + row.saved + "\n");
        Open();
        EXPECT_EQ(form->Zoom->Percent(), row.started) << row.saved;
        form.reset();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path config = std::filesystem::temp_directory_path() / "vhfcom-large-screen.json";
    std::ofstream(config) << R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 2000, "height": 1200,)"
                          << R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    QApplication app(argc, argv);
    std::filesystem::remove(config);  // read as the platform started
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
