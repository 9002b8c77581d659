#include "web/live_server.h"

#include <QAbstractEventDispatcher>
#include <QHttpServer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <algorithm>

#include "web/live_messages.h"
#include "web/live_page.h"

// One browser watching: its socket, the display it was last sent and the
// keys it holds.
struct LiveViewer {
    std::unique_ptr<QWebSocket> socket;
    LcdBits shown{};
    std::string caption;
    bool keysAllowed = false;
    std::array<bool, PanelKeyCount> held{};
    int stalledTicks = 0;
};

namespace {

using Status = QHttpServerResponder::StatusCode;

constexpr auto kTooManyViewers = QWebSocketProtocol::CloseCodePolicyViolated;

void Refuse(QHttpServerResponder&& responder, Status status) {
    responder.write(QByteArray(), {{"Content-Security-Policy", NothingPolicy}, {"Cache-Control", "no-store"}}, status);
}

QString ListenFailure(const QTcpServer& tcp, const QHostAddress& address, quint16 port) {
    switch (tcp.serverError()) {
        case QAbstractSocket::AddressInUseError:
            return QString("Port %1 on %2 is already in use.").arg(port).arg(address.toString());
        case QAbstractSocket::SocketAddressNotAvailableError:
            return QString("%1 is not an address of this computer.").arg(address.toString());
        default:
            return QString("The display cannot be shared on %1 port %2: %3.")
                .arg(address.toString())
                .arg(port)
                .arg(tcp.errorString());
    }
}

}  // namespace

LiveServer::LiveServer(LiveDisplaySource& source, LiveKeySink& keys, const std::optional<RequestGuard>& guard)
    : source_(source), keys_(keys), guardGiven_(guard.has_value()), guard_(guard.value_or(RequestGuard({}))) {
    tickTimer_.setSingleShot(true);
    connect(&tickTimer_, &QTimer::timeout, this, &LiveServer::Tick);
    heartbeatTimer_.setInterval(HeartbeatMs);
    connect(&heartbeatTimer_, &QTimer::timeout, this, &LiveServer::Heartbeat);
    sinceTick_.start();
}

LiveServer::~LiveServer() { Stop(); }

QString LiveServer::Start(const QHostAddress& address, quint16 port) {
    Stop();
    auto http = std::make_unique<QHttpServer>();
    auto* tcp = new QTcpServer(http.get());
    if (!tcp->listen(address, port)) return ListenFailure(*tcp, address, port);
    if (!guardGiven_) guard_ = RequestGuard::ForThisMachine();
    http_ = std::move(http);
    http_->bind(tcp);
    address_ = address;
    port_ = tcp->serverPort();
    Route();
    return {};
}

void LiveServer::Stop() {
    while (!viewers_.empty()) Drop(viewers_.back()->socket.get());
    http_.reset();
    port_ = 0;
}

void LiveServer::Route() {
    http_->route("/", QHttpServerRequest::Method::Get,
                 [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                     const QByteArray host = request.value("Host");
                     if (!guard_.HostAllowed(host)) return Refuse(std::move(responder), Status::Forbidden);
                     responder.write(TheLivePage().html, {{"Content-Type", "text/html; charset=utf-8"},
                                                          {"Content-Security-Policy", PagePolicy(host)},
                                                          {"Cache-Control", "no-store"},
                                                          {"Referrer-Policy", "no-referrer"},
                                                          {"X-Content-Type-Options", "nosniff"}});
                 });
    http_->route("/ws", [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        Upgrade(request, std::move(responder));
    });
    http_->setMissingHandler([](const QHttpServerRequest&, QHttpServerResponder&& responder) {
        Refuse(std::move(responder), Status::NotFound);
    });
    connect(http_.get(), &QHttpServer::newWebSocketConnection, this, [this] {
        while (http_->hasPendingWebSocketConnections()) Welcome(http_->nextPendingWebSocketConnection());
    });
}

// The server upgrades a request at /ws after this handler unless its socket
// is closed here: a refusal is written, pushed out and the connection cut at
// once (the started transaction is what the upgrade then rolls back).
void LiveServer::Upgrade(const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    const QByteArray host = request.value("Host");
    const bool upgrade = request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
    const bool allowed = guard_.OriginAllowed(request.value("Origin"), host);
    if (upgrade && allowed) return;
    QTcpSocket* socket = responder.socket();
    Refuse(std::move(responder), upgrade ? Status::Forbidden : Status::BadRequest);
    if (!upgrade) return;
    socket->flush();
    socket->abort();
    socket->startTransaction();
}

void LiveServer::Welcome(std::unique_ptr<QWebSocket> socket) {
    if (!socket) return;
    QWebSocket* ws = socket.get();
    ws->setParent(nullptr);
    if (static_cast<int>(viewers_.size()) >= MaxViewers) {
        ws->close(kTooManyViewers, QString("This display already has %1 browsers watching.").arg(MaxViewers));
        socket.release()->deleteLater();  // once the close has gone out
        return;
    }
    ws->setMaxAllowedIncomingFrameSize(MaxIncomingBytes);
    ws->setMaxAllowedIncomingMessageSize(MaxIncomingBytes);
    connect(ws, &QWebSocket::textMessageReceived, this, [this, ws](const QString& text) {
        if (LiveViewer* viewer = ViewerOf(ws)) Hear(*viewer, text);
    });
    connect(ws, &QWebSocket::disconnected, this, [this, ws] { Drop(ws); });
    auto viewer = std::make_unique<LiveViewer>();
    viewer->socket = std::move(socket);
    if (viewers_.empty()) {
        revision_ = source_.Revision();
        frame_ = source_.Frame();
        caption_ = source_.ModeCaption();
        const QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
        looking_ = {connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &LiveServer::Look),
                    connect(loop, &QAbstractEventDispatcher::awake, this, &LiveServer::Look)};
        heartbeatTimer_.start();
    }
    viewer->caption = caption_;
    viewer->shown = frame_;
    ws->sendTextMessage(live_message::Mode(caption_));
    ws->sendBinaryMessage(live_message::Frame(frame_));
    viewers_.push_back(std::move(viewer));
    if (onViewersChanged) onViewersChanged(Viewers());
}

void LiveServer::Hear(LiveViewer& viewer, const QString& text) {
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    const bool tokenGood = !token_.isEmpty() && message.value("token").toString() == token_;
    if (message.contains("key")) {
        const std::optional<PanelKey> key = PanelKeyNamed(message.value("key").toString().toStdString());
        if (!tokenGood || !key) return;
        const bool down = message.value("down").toBool();
        bool& held = viewer.held[static_cast<std::size_t>(*key)];
        if (held == down) return;
        held = down;
        down ? keys_.PressKey(*key) : keys_.ReleaseKey(*key);
    } else if (message.contains("token")) {
        viewer.keysAllowed = tokenGood;
        viewer.socket->sendTextMessage(live_message::Keys(tokenGood));
    }
}

// Each time the event loop is about to wait or looks for events without
// waiting: a changed display or caption goes out now, or TickMs after the
// last tick if that was sooner.
void LiveServer::Look() {
    if (tickTimer_.isActive()) return;
    if (source_.Revision() == revision_ && source_.ModeCaption() == caption_) return;
    const qint64 wait = TickMs - sinceTick_.elapsed();
    if (wait > 0) return tickTimer_.start(static_cast<int>(wait));
    Tick();
}

void LiveServer::Tick() {
    sinceTick_.restart();
    if (const uint64_t revision = source_.Revision(); revision != revision_) {
        revision_ = revision;
        frame_ = source_.Frame();
    }
    caption_ = source_.ModeCaption();
    std::optional<LcdBits> encodedFrom;
    QByteArray encoded;
    std::vector<QWebSocket*> stalled;
    bool behind = false;
    for (const std::unique_ptr<LiveViewer>& viewer : viewers_) {
        if (viewer->socket->bytesToWrite() > BacklogBytes) {
            behind = true;
            if (++viewer->stalledTicks >= StalledTicksToDrop) stalled.push_back(viewer->socket.get());
            continue;
        }
        viewer->stalledTicks = 0;
        if (viewer->caption != caption_) {
            viewer->caption = caption_;
            viewer->socket->sendTextMessage(live_message::Mode(caption_));
        }
        Send(*viewer, encodedFrom, encoded);
    }
    for (QWebSocket* socket : stalled) Drop(socket);
    if (behind && !viewers_.empty()) tickTimer_.start(TickMs);
}

// Viewers sent the same display last share one encoding of the change. The
// message goes to the system at once rather than on the socket's next write
// notification: one event loop pass less per viewer and message.
void LiveServer::Send(LiveViewer& viewer, std::optional<LcdBits>& encodedFrom, QByteArray& encoded) {
    if (viewer.shown == frame_) return;
    if (encodedFrom != viewer.shown) {
        encoded = live_message::Change(viewer.shown, frame_);
        encodedFrom = viewer.shown;
    }
    viewer.socket->sendBinaryMessage(encoded);
    viewer.socket->flush();
    viewer.shown = frame_;
}

// The caption again, so that a browser hears from a display standing still.
void LiveServer::Heartbeat() {
    for (const std::unique_ptr<LiveViewer>& viewer : viewers_)
        if (viewer->socket->bytesToWrite() <= BacklogBytes)
            viewer->socket->sendTextMessage(live_message::Mode(viewer->caption));
}

void LiveServer::SetKeyToken(const QString& token) {
    if (token == token_) return;
    token_ = token;
    for (const std::unique_ptr<LiveViewer>& viewer : viewers_) {
        LetGo(*viewer);
        if (!std::exchange(viewer->keysAllowed, false)) continue;
        viewer->socket->sendTextMessage(live_message::Keys(false));
    }
}

void LiveServer::LetGo(LiveViewer& viewer) {
    for (std::size_t i = 0; i < viewer.held.size(); ++i)
        if (std::exchange(viewer.held[i], false)) keys_.ReleaseKey(static_cast<PanelKey>(i));
}

LiveViewer* LiveServer::ViewerOf(QWebSocket* socket) {
    const auto it =
        std::find_if(viewers_.begin(), viewers_.end(), [socket](const auto& v) { return v->socket.get() == socket; });
    return it == viewers_.end() ? nullptr : it->get();
}

// Lets go of the viewer's keys and forgets it; its socket is deleted once
// back in the event loop, as this may run in one of its signals.
void LiveServer::Drop(QWebSocket* socket) {
    const auto it =
        std::find_if(viewers_.begin(), viewers_.end(), [socket](const auto& v) { return v->socket.get() == socket; });
    if (it == viewers_.end()) return;
    std::unique_ptr<LiveViewer> viewer = std::move(*it);
    viewers_.erase(it);
    LetGo(*viewer);
    socket->disconnect(this);
    socket->abort();
    viewer->socket.release()->deleteLater();
    if (viewers_.empty()) {
        for (const QMetaObject::Connection& c : looking_) disconnect(c);
        tickTimer_.stop();
        heartbeatTimer_.stop();
    }
    if (onViewersChanged) onViewersChanged(Viewers());
}
