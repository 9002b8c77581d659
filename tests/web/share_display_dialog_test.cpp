#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTcpServer>

#include "fake_display.h"
#include "gui/common/message_box.h"
#include "gui/web/share_display_dialog.h"
#include "support/message_box_hooks.h"
#include "web/live_server.h"

namespace {

struct ShareDialogTest : ::testing::Test {
    void SetUp() override {
        SetPlainMessageHandler([this](const QString& text) { messages << text; });
    }
    RealMessageBoxesAfterwards realBoxes;
    FakeDisplay display;
    LiveServer server{display, display, RequestGuard({"127.0.0.1"})};
    QStringList messages;
};

TEST_F(ShareDialogTest, SharingShowsTheAddressAndItsQrCodeAndKeysAddANewToken) {
    ShareDisplayDialog dialog(nullptr, server, 0);
    EXPECT_FALSE(server.Serving()) << "nothing is served unless asked for";
    dialog.Share->setChecked(true);
    ASSERT_TRUE(server.Serving());
    EXPECT_EQ(server.Address(), QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(dialog.Address->text(), QString("http://127.0.0.1:%1/").arg(server.Port()));
    EXPECT_FALSE(dialog.QrCode->pixmap().isNull());
    EXPECT_EQ(dialog.Watching->text(), "Browsers watching: 0");

    dialog.Keys->setChecked(true);
    const QString token = server.KeyToken();
    EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(token).hasMatch()) << token.toStdString();
    EXPECT_TRUE(dialog.Address->text().endsWith("/#key=" + token));
    dialog.Keys->setChecked(false);
    EXPECT_EQ(server.KeyToken(), "");
    dialog.Keys->setChecked(true);
    EXPECT_NE(server.KeyToken(), token);

    dialog.Share->setChecked(false);
    EXPECT_FALSE(server.Serving());
    EXPECT_EQ(dialog.Address->text(), "");
    EXPECT_TRUE(dialog.QrCode->pixmap().isNull());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ShareDialogTest, APortInUseIsNamedAndNothingIsShared) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    ShareDisplayDialog dialog(nullptr, server, taken.serverPort());
    dialog.Share->setChecked(true);
    EXPECT_EQ(messages, QStringList{QString("Port %1 on 127.0.0.1 is already in use.").arg(taken.serverPort())});
    EXPECT_FALSE(dialog.Share->isChecked());
    EXPECT_FALSE(server.Serving());
}

}  // namespace
