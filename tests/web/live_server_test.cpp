#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QWebSocket>
#include <memory>
#include <vector>

#include "fake_display.h"
#include "support/process_events.h"
#include "web/live_messages.h"
#include "web/live_server.h"

namespace {

// A browser's WebSocket, collecting what it is sent.
struct Viewer {
    explicit Viewer(quint16 port, const QString& origin = {}) : socket(origin.isNull() ? Origin(port) : origin) {
        QObject::connect(&socket, &QWebSocket::binaryMessageReceived, [this](const QByteArray& m) { frames << m; });
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString& m) { texts << m; });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { closed = true; });
        socket.open(QUrl(QString("ws://127.0.0.1:%1/ws").arg(port)));
    }
    static QString Origin(quint16 port) { return QString("http://127.0.0.1:%1").arg(port); }
    bool Welcomed() {
        return ProcessEventsUntil([this] { return !frames.isEmpty() || closed; }) && !closed;
    }
    void Say(const QJsonObject& m) { socket.sendTextMessage(QJsonDocument(m).toJson(QJsonDocument::Compact)); }

    QWebSocket socket;
    QList<QByteArray> frames;
    QStringList texts;
    bool closed = false;
};

// Sends one raw HTTP request and returns the response's status line.
QByteArray StatusOf(quint16 port, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", port);
    socket.write(request);
    QByteArray response;
    ProcessEventsUntil([&] {
        response += socket.readAll();
        return response.contains("\r\n") || socket.state() == QAbstractSocket::UnconnectedState;
    });
    return response.left(response.indexOf("\r\n"));
}

class LiveServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(server.Start(QHostAddress::LocalHost, 0), "");
        port = server.Port();
    }
    QByteArray Host() const { return "127.0.0.1:" + QByteArray::number(port); }

    FakeDisplay display;
    LiveServer server{display, display, RequestGuard({"127.0.0.1", "localhost"})};
    quint16 port = 0;
};

TEST_F(LiveServerTest, SendsTheWholeFrameOnConnectThenTheChangedRowsAndTheCaption) {
    display.Draw(5, 0x80);
    Viewer viewer(port);
    ASSERT_TRUE(viewer.Welcomed());
    EXPECT_EQ(viewer.frames.front(), live_message::Frame(display.frame));
    EXPECT_EQ(viewer.texts, QStringList{R"({"mode":"Offline - device emulation mode"})"});

    display.Draw(63, 0x01);
    display.caption = "Online - device interface mode";
    server.Tick();
    server.Tick();  // nothing new: nothing sent
    ASSERT_TRUE(ProcessEventsUntil([&] { return viewer.frames.size() == 2 && viewer.texts.size() == 2; }));
    QByteArray row("R\x3F", 2);
    row += QByteArray(1, '\x01') + QByteArray(PackedRowBytes - 1, '\0');
    EXPECT_EQ(viewer.frames.back(), row);
    EXPECT_EQ(viewer.texts.back(), R"({"mode":"Online - device interface mode"})");

    for (int r = 0; r < LcdHeight; ++r) display.Draw(r, 0xFF);
    server.Tick();
    ASSERT_TRUE(ProcessEventsUntil([&] { return viewer.frames.size() == 3; }));
    EXPECT_EQ(viewer.frames.back(), live_message::Frame(display.frame)) << "all rows: the whole frame is shorter";

    // Without a tick from outside: the server looks whenever the event loop waits.
    Viewer second(port);
    ASSERT_TRUE(second.Welcomed());
    display.Draw(0, 0x0F);
    ASSERT_TRUE(ProcessEventsUntil([&] { return viewer.frames.size() == 4 && second.frames.size() == 2; }));
    row = QByteArray("R\0\x0F", 3) + QByteArray(PackedRowBytes - 1, '\0');
    EXPECT_EQ(viewer.frames.back(), row);
    EXPECT_EQ(second.frames.back(), row);
}

// Key messages act only with the token the server was given.
TEST_F(LiveServerTest, KeysActOnlyWithTheToken) {
    struct Case {
        const char* serverToken;
        const char* messageToken;
        bool granted;
    };
    for (const Case c : {Case{"", "", false}, Case{"", "x", false}, Case{"secret", "wrong", false},
                         Case{"secret", "", false}, Case{"secret", "secret", true}}) {
        SCOPED_TRACE(std::string(c.serverToken) + "/" + c.messageToken);
        server.SetKeyToken(c.serverToken);
        display.events.clear();
        auto viewer = std::make_unique<Viewer>(port);
        ASSERT_TRUE(viewer->Welcomed());
        viewer->Say({{"token", c.messageToken}});
        viewer->Say({{"key", "ACTIVE"}, {"down", true}, {"token", c.messageToken}});
        viewer->Say({{"key", "NOSUCH"}, {"down", true}, {"token", c.messageToken}});
        ASSERT_TRUE(ProcessEventsUntil([&] { return viewer->texts.size() == 2; }));
        EXPECT_EQ(viewer->texts.back(), live_message::Keys(c.granted));
        viewer.reset();  // a key held at disconnect is let go
        ProcessEventsUntil([&] { return server.Viewers() == 0; });
        using Events = std::vector<std::pair<PanelKey, bool>>;
        const Events pressedAndLetGo{{PanelKey::Active, true}, {PanelKey::Active, false}};
        EXPECT_EQ(display.events, c.granted ? pressedAndLetGo : Events{});
    }
}

TEST_F(LiveServerTest, GuardsRefuseForeignHostsAndOriginsAndServeNothingElse) {
    const QByteArray upgrade =
        "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
        "Sec-WebSocket-Version: 13\r\n";
    const QByteArray ownOrigin = "Origin: http://" + Host() + "\r\n";
    struct Case {
        QByteArray request;
        QByteArray status;
    };
    const Case cases[] = {
        {"GET / HTTP/1.1\r\nHost: " + Host() + "\r\n\r\n", "HTTP/1.1 200 OK"},
        {"GET / HTTP/1.1\r\nHost: localhost:1\r\n\r\n", "HTTP/1.1 200 OK"},
        {"GET / HTTP/1.1\r\nHost: rebound.example:" + QByteArray::number(port) + "\r\n\r\n", "HTTP/1.1 403 Forbidden"},
        {"GET /favicon.ico HTTP/1.1\r\nHost: " + Host() + "\r\n\r\n", "HTTP/1.1 404 Not Found"},
        {"GET /ws HTTP/1.1\r\nHost: " + Host() + "\r\n" + upgrade + ownOrigin + "\r\n",
         "HTTP/1.1 101 Switching Protocols"},
        {"GET /ws HTTP/1.1\r\nHost: " + Host() + "\r\n" + upgrade + "Origin: http://evil.example\r\n\r\n",
         "HTTP/1.1 403 Forbidden"},
        {"GET /ws HTTP/1.1\r\nHost: " + Host() + "\r\n" + upgrade + "\r\n", "HTTP/1.1 403 Forbidden"},
        {"GET /ws HTTP/1.1\r\nHost: evil.example\r\n" + upgrade + "Origin: http://evil.example\r\n\r\n",
         "HTTP/1.1 403 Forbidden"},
        {"GET /ws HTTP/1.1\r\nHost: " + Host() + "\r\n\r\n", "HTTP/1.1 400 Bad Request"},
    };
    for (const Case& c : cases) EXPECT_EQ(StatusOf(port, c.request), c.status) << c.request.toStdString();
}

TEST_F(LiveServerTest, TheSixtyFifthViewerIsRefusedAndLongMessagesCloseTheConnection) {
    std::vector<std::unique_ptr<Viewer>> viewers;
    for (int i = 0; i < LiveServer::MaxViewers; ++i) {
        viewers.push_back(std::make_unique<Viewer>(port));
        ASSERT_TRUE(viewers.back()->Welcomed()) << i;
    }
    Viewer extra(port);
    ASSERT_TRUE(ProcessEventsUntil([&] { return extra.closed; }));
    EXPECT_EQ(extra.socket.closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
    EXPECT_EQ(extra.socket.closeReason(), "This display already has 64 browsers watching.");
    EXPECT_EQ(server.Viewers(), LiveServer::MaxViewers);

    viewers.front()->socket.sendTextMessage(QString(LiveServer::MaxIncomingBytes + 1, 'x'));
    ASSERT_TRUE(ProcessEventsUntil([&] { return viewers.front()->closed; }));
    EXPECT_TRUE(ProcessEventsUntil([&] { return server.Viewers() == LiveServer::MaxViewers - 1; }));
}

TEST_F(LiveServerTest, AnAddressThatCannotBeServedIsNamed) {
    LiveServer other(display, display);
    EXPECT_EQ(other.Start(QHostAddress::LocalHost, port), QString("Port %1 on 127.0.0.1 is already in use.").arg(port));
    EXPECT_EQ(other.Start(QHostAddress("192.0.2.1"), 0), "192.0.2.1 is not an address of this computer.");
    EXPECT_FALSE(other.Serving());
}

// A browser that stops reading is not queued frames: the server holds at
// most a few kilobytes for it beyond what the system buffers, and drops it
// once it has not read for StalledTicksToDrop ticks.
TEST_F(LiveServerTest, AViewerThatStopsReadingIsSkippedThenDropped) {
    QTcpSocket stalled;
    stalled.setReadBufferSize(1);
    stalled.connectToHost("127.0.0.1", port);
    stalled.write("GET /ws HTTP/1.1\r\nHost: " + Host() +
                  "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                  "Sec-WebSocket-Version: 13\r\nOrigin: http://" +
                  Host() + "\r\n\r\n");
    ASSERT_TRUE(ProcessEventsUntil([&] { return server.Viewers() == 1; }));
    int ticks = 0;
    for (; ticks < 200000 && server.Viewers() > 0; ++ticks) {
        for (int r = 0; r < LcdHeight; ++r) display.Draw(r, static_cast<uint8_t>(ticks));  // a whole frame each time
        server.Tick();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(server.Viewers(), 0);
    EXPECT_GE(ticks, LiveServer::StalledTicksToDrop);
}

}  // namespace
