#pragma once
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "web/live_display.h"
#include "web/request_guard.h"

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;
class QWebSocket;
struct LiveViewer;

// The live view's HTTP server: the page at /, its WebSocket at /ws
// (docs/live-view.md), 404 for anything else. On each pass of the event loop
// it asks the source for its revision; on a change it sends each
// viewer what changed since what that viewer has, at once or, within 20 ms of
// the last send, 20 ms after it. Nothing runs while the display stands still.
// A browser that reads slowly skips to the newest display instead of queueing
// frames (it is looked at every 20 ms until it caught up); one that stops
// reading for 30 s is dropped.
//
// Runs on the GUI thread, from the event loop (its handlers may run nested
// inside the emulator's waits): it only reads the source and presses keys.
class LiveServer : public QObject {
public:
    static constexpr int MaxViewers = 64;
    static constexpr int MaxIncomingBytes = 256;
    static constexpr int TickMs = 20;                // at most 50 frames a second
    static constexpr int HeartbeatMs = 5000;         // the caption again every 5 s
    static constexpr int StalledTicksToDrop = 1500;  // 30 s of ticks without reading
    static constexpr qint64 BacklogBytes = 4096;     // unsent bytes that count as not reading

    // Without a guard, each Start takes this machine's names as they are then.
    LiveServer(LiveDisplaySource& source, LiveKeySink& keys, const std::optional<RequestGuard>& guard = std::nullopt);
    ~LiveServer() override;

    // Serves on `address`:`port` (port 0: any free one). Returns an empty
    // string or one sentence naming the address or port at fault.
    QString Start(const QHostAddress& address, quint16 port);
    void Stop();
    bool Serving() const { return http_ != nullptr; }
    QHostAddress Address() const { return address_; }
    quint16 Port() const { return port_; }
    int Viewers() const { return static_cast<int>(viewers_.size()); }

    // Empty: the browsers' keys are ignored. Otherwise key messages must
    // carry this token. A change lets go of every key a browser holds.
    void SetKeyToken(const QString& token);
    const QString& KeyToken() const { return token_; }

    // Sends what changed since the last tick. Called when the display or
    // the caption changed, and every TickMs while a viewer is behind.
    void Tick();

    std::function<void(int viewers)> onViewersChanged;

private:
    void Route();
    void Upgrade(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void Welcome(std::unique_ptr<QWebSocket> socket);
    void Hear(LiveViewer& viewer, const QString& text);
    void Look();
    void Heartbeat();
    void Send(LiveViewer& viewer, std::optional<LcdBits>& encodedFrom, QByteArray& encoded);
    void Drop(QWebSocket* socket);
    void LetGo(LiveViewer& viewer);
    LiveViewer* ViewerOf(QWebSocket* socket);

    LiveDisplaySource& source_;
    LiveKeySink& keys_;
    bool guardGiven_;
    RequestGuard guard_;
    std::unique_ptr<QHttpServer> http_;
    QHostAddress address_;
    quint16 port_ = 0;
    QString token_;
    QTimer tickTimer_;
    QTimer heartbeatTimer_;
    QElapsedTimer sinceTick_;
    std::array<QMetaObject::Connection, 2> looking_;  // Look on the event loop's passes
    std::vector<std::unique_ptr<LiveViewer>> viewers_;
    uint64_t revision_ = 0;
    LcdBits frame_{};
    std::string caption_;
};
