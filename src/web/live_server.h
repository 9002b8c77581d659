#pragma once
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
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
// (docs/live-view.md), 404 for anything else. Every 20 ms it asks the source
// for its revision and sends each viewer what changed since what that viewer
// has, so a browser that reads slowly skips to the newest display instead of
// queueing frames; one that stops reading for 30 s is dropped.
//
// Runs on the GUI thread, from the event loop (its handlers may run nested
// inside the emulator's waits): it only reads the source and presses keys.
class LiveServer : public QObject {
public:
    static constexpr int MaxViewers = 64;
    static constexpr int MaxIncomingBytes = 256;
    static constexpr int TickMs = 20;                // at most 50 frames a second
    static constexpr int HeartbeatTicks = 250;       // the caption again every 5 s
    static constexpr int StalledTicksToDrop = 1500;  // 30 s without reading
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

    // Sends what changed; the timer calls it every TickMs while anyone watches.
    void Tick();

    std::function<void(int viewers)> onViewersChanged;

private:
    void Route();
    void Upgrade(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void Welcome(std::unique_ptr<QWebSocket> socket);
    void Hear(LiveViewer& viewer, const QString& text);
    void Send(LiveViewer& viewer);
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
    QTimer timer_;
    std::vector<std::unique_ptr<LiveViewer>> viewers_;
    uint64_t revision_ = 0;
    LcdBits frame_{};
    std::string caption_;
    int ticks_ = 0;
};
