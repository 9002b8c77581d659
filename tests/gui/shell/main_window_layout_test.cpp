#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTest>

#include "gui/shell/key_area.h"
#include "gui/shell/panel_picture.h"
#include "gui/shell/ptt_button.h"
#include "gui/shell/window_placement.h"
#include "help/help.h"
#include "support/form_fixture.h"

namespace {

class LayoutTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open();
    }
    QWidget* Client() const { return form->centralWidget(); }
};

TEST_F(LayoutTest, WindowIsAFixedWhiteClientAreaBetweenTheMenuBarAndTheStatusLine) {
    EXPECT_EQ(form->windowTitle(), "Qor Avionics VHF transceiver  interface");
    EXPECT_EQ(Client()->geometry(), QRect(0, form->menuBar()->height(), 811, 431));
    EXPECT_EQ(form->statusBar()->geometry(),
              QRect(0, Client()->geometry().bottom() + 1, 811, form->height() - Client()->geometry().bottom() - 1));
    EXPECT_EQ(form->statusBar()->height(), form->statusBar()->sizeHint().height());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->size(), form->minimumSize());
    EXPECT_EQ(Client()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(Client()->autoFillBackground());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
}

// The frame at its place where it fits the screen, else moved wholly onto it.
TEST(WindowPlacementTest, ItsPlaceWhereItFitsElseWhollyOnTheScreen) {
    const QRect screen(0, 0, 1280, 800);
    const struct {
        QRect frame;
        QPoint expected;
    } rows[] = {
        {{291, 180, 819, 478}, {291, 180}},  // fits: stays
        {{700, 500, 819, 478}, {461, 322}},  // beyond the right and bottom edges: moved in
        {{-50, -20, 819, 478}, {0, 0}},      // beyond the top left
        {{291, 180, 1622, 956}, {0, 0}},     // larger than the screen (a 2x scale): its corner on it
    };
    for (const auto& row : rows) EXPECT_EQ(PositionOnScreen(row.frame, screen), row.expected) << row.frame.x();
    EXPECT_EQ(PositionOnScreen({100, 100, 819, 478}, {1280, 0, 1920, 1080}), QPoint(1280, 100));  // a second screen
}

// A window not framed yet counts a title bar, which its frame will add.
TEST(WindowPlacementTest, AnUnframedWindowFitsWithRoomForItsTitleBar) {
    QWidget window;
    const QSize available = window.screen()->availableGeometry().size();
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    ASSERT_GT(titleBar, 0);
    EXPECT_TRUE(FitsOnScreen(&window, {available.width(), available.height() - titleBar}));
    EXPECT_FALSE(FitsOnScreen(&window, available));
}

TEST_F(LayoutTest, EveryControlSitsAtItsPlaceInClientCoordinates) {
    const struct {
        const char* name;
        QWidget* widget;
        QRect geometry;
    } controls[] = {
        {"Image1", form->Image1, {16, 16, 388, 390}},         {"Shape1", form->Shapes[0], {126, 64, 57, 57}},
        {"Shape2", form->Shapes[1], {238, 64, 57, 57}},       {"Shape3", form->Shapes[2], {299, 128, 57, 57}},
        {"Shape4", form->Shapes[3], {300, 206, 57, 57}},      {"Shape5", form->Shapes[4], {128, 280, 57, 57}},
        {"Shape6", form->Shapes[5], {240, 279, 57, 57}},      {"Label1", form->Label1, {8, 0, 409, 16}},
        {"Label2", form->Label2, {416, 16, 65, 33}},          {"Label3", form->Label3, {496, 16, 73, 33}},
        {"Label4", form->Label4, {64, 408, 288, 13}},         {"ScrollBar1", form->ScrollBar1, {440, 56, 17, 121}},
        {"ScrollBar2", form->ScrollBar2, {520, 56, 17, 121}}, {"Button1", form->Button1, {456, 200, 65, 49}},
        {"Button2", form->Button2, {456, 264, 65, 49}},       {"Memo1", form->Memo1, {576, 8, 225, 409}},
    };
    for (const auto& c : controls) {
        ASSERT_NE(c.widget, nullptr) << c.name;
        EXPECT_EQ(c.widget->parentWidget(), Client()) << c.name;
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.name;
        EXPECT_TRUE(c.widget->isVisible()) << c.name;
    }
    // The key areas lie over the picture, so they must be above it.
    const QObjectList children = Client()->children();
    for (KeyArea* shape : form->Shapes) EXPECT_GT(children.indexOf(shape), children.indexOf(form->Image1));
}

TEST_F(LayoutTest, CaptionsAndTexts) {
    EXPECT_EQ(form->Label1->text(), "Offline - device emulation mode");
    EXPECT_TRUE(form->Label1->font().bold());
    EXPECT_TRUE(form->Label1->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form->Label2->text(), "Simulate RX signal active");
    EXPECT_EQ(form->Label3->text(), "Simulate RX signal standby");
    EXPECT_TRUE(form->Label2->wordWrap());
    EXPECT_TRUE(form->Label3->wordWrap());
    EXPECT_EQ(form->Label4->text(), "This program is under construction and not yet fully functional");
    EXPECT_EQ(form->Button1->text(), "PTT Pilot");
    EXPECT_EQ(form->Button2->text(), "PTT PAX");
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(form->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

// The boxes are fixed; a font too wide or too tall would clip the captions.
TEST_F(LayoutTest, EveryCaptionFitsItsBox) {
    for (QLabel* label : {form->Label1, form->Label4}) {
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
        EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
    }
    for (QLabel* label : {form->Label2, form->Label3}) {
        const QFontMetrics metrics(label->font());
        for (const QString& word : label->text().split(' '))
            EXPECT_LE(metrics.horizontalAdvance(word), label->width()) << word.toStdString();
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
    }
    for (QPushButton* button : {static_cast<QPushButton*>(form->Button1), static_cast<QPushButton*>(form->Button2)})
        EXPECT_LE(button->sizeHint().height(), button->height());
}

TEST_F(LayoutTest, SlidersRunFrom0To371AndStartAtTheBottom) {
    for (QScrollBar* slider : {form->ScrollBar1, form->ScrollBar2}) {
        EXPECT_EQ(slider->orientation(), Qt::Vertical);
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), 371);
        EXPECT_EQ(slider->value(), 371);
        EXPECT_EQ(slider->pageStep(), 0);
    }
}

TEST_F(LayoutTest, KeyAreasSlidersAndButtonsShowAHandCursor) {
    for (QWidget* w : std::initializer_list<QWidget*>{form->Shapes[0], form->Shapes[1], form->Shapes[2],
                                                      form->Shapes[3], form->Shapes[4], form->Shapes[5],
                                                      form->ScrollBar1, form->ScrollBar2, form->Button1, form->Button2})
        EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor);
}

// Key areas are transparent with a black one-pixel outline: over the white
// client area (the picture hidden) only the border turns black.
TEST_F(LayoutTest, KeyAreasDrawOnlyTheirOutline) {
    form->Image1->hide();
    const QImage shot = Client()->grab().toImage();
    const QRect area = form->Shapes[0]->geometry();
    EXPECT_EQ(shot.pixelColor(area.topLeft()), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(area.bottomRight()), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(area.left(), area.center().y()), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(area.center()), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(area.left() + 1, area.top() + 1), QColor(Qt::white));
}

TEST_F(LayoutTest, TabGoesThroughSlidersButtonsAndHelpPaneInOrder) {
    QList<QWidget*> order;
    QWidget* w = form->ScrollBar1;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) order << w;
        w = w->nextInFocusChain();
    } while (w != form->ScrollBar1);
    const QList<QWidget*> expected{form->ScrollBar1, form->ScrollBar2, form->Button1, form->Button2, form->Memo1};
    EXPECT_EQ(order, expected);
}

// The copy key copies the help pane's text there, the display elsewhere.
TEST_F(LayoutTest, HelpPaneIsReadOnlyCopiesItsTextAndPassesTabOn) {
    QApplication::setActiveWindow(form.get());
    form->Core.HelpText.ShowTopic(1);
    const QString text = form->Memo1->toPlainText();
    form->Memo1->setFocus();
    for (const QKeySequence& keys : {QKeySequence("q"), QKeySequence("Del"), QKeySequence(QKeySequence::SelectAll),
                                     QKeySequence(QKeySequence::Copy), QKeySequence("Tab")})
        QTest::keySequence(form->Memo1, keys);
    EXPECT_EQ(form->Memo1->toPlainText(), text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_EQ(form->focusWidget(), form->ScrollBar1);
    QTest::keySequence(form->ScrollBar1, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(104 * 4, 64 * 4));
}

TEST_F(LayoutTest, MenuBarHoldsTheMenusWithTheirItems) {
    QStringList titles;
    for (QAction* top : form->menuBar()->actions()) titles << top->text();
    EXPECT_EQ(titles, (QStringList{"&Setup", "&Frequencies", "&Technical", "Se&ssion", "&Exit"}));

    QStringList disabled;
    const auto items = [&](int index) {
        QStringList texts;
        QMenu* menu = form->menuBar()->actions().at(index)->menu();
        if (!menu) return texts;
        for (QAction* item : menu->actions()) {
            texts << (item->isSeparator() ? "-" : item->text());
            EXPECT_TRUE(item->isVisible()) << item->text().toStdString();
            if (!item->isEnabled()) disabled << item->text();
        }
        return texts;
    };
    EXPECT_EQ(items(0), (QStringList{"&Serial communications port", "Serial port &mapping...", "&Zoom"}));
    EXPECT_EQ(items(1),
              (QStringList{"&Edit", "&New", "&Open...", "&Save", "Save &as...", "&Import CSV...", "E&xport CSV...",
                           "Import &airport frequencies...", "-", "&Upload to device", "&Download from device"}));
    EXPECT_EQ(items(2),
              (QStringList{"&TX power vs. frequency", "&RX level scan", "&CPU frequency vs. RX frequency shift", "-",
                           "&Update device software to this version"}));
    EXPECT_EQ(items(3), (QStringList{"&Record to file...", "&Stop recording", "Re&play file...", "Stop &replay",
                                     "&Export recording...", "Save &display as PNG...", "&Copy display",
                                     "Share display in a &browser..."}));
    EXPECT_EQ(disabled, (QStringList{"&Stop recording", "Stop &replay"})) << "nothing is being recorded or replayed";
    QStringList shortcuts;
    for (QAction* item : form->menuBar()->actions().at(1)->menu()->actions())
        if (!item->shortcut().isEmpty()) shortcuts << item->text() + " " + item->shortcut().toString();
    EXPECT_EQ(shortcuts, (QStringList{"&New Ctrl+N", "&Open... Ctrl+O", "&Save Ctrl+S", "Save &as... Ctrl+Shift+S"}));
    EXPECT_EQ(form->menuBar()->actions().at(4)->menu(), nullptr);
}

}  // namespace
