// The live view at the line's full rate: a display message every 45.8 ms
// (44 bytes at 960 bytes a second), drawn as the program draws it, and the
// server's 20 ms ticks that send the changes to the browsers.
//
// BM_LiveViewSecond/N: one second of that with N WebSocket clients in this
// process (their reading is counted too, so the cost is on the high side).
// CPU time per iteration is the program's CPU per second of line; compare
// N = 50 with N = 0. `heap_growth_MB` is the heap held after the run beyond
// before it.
//
// BM_LiveViewLatency: from a display drawn to a client holding the message,
// with the server looking on the event loop's passes; p50 and p99 in
// milliseconds. The browser's own drawing (one animation frame) comes on top;
// bench_live_view_latency measures to a real browser's canvas.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWebSocket>
#include <algorithm>
#include <memory>
#include <vector>

#include "demo_sequence.h"
#include "heap_in_use.h"
#include "session/display_bitmap.h"
#include "web/live_server.h"

namespace {

constexpr double kMessageMs = 44.0 * 1000.0 / 960.0;
constexpr int kTicksPerSecond = 1000 / LiveServer::TickMs;

// The display drawn from the demo's messages with the program's renderer,
// the RX level moving on every message as in the export benchmark.
class DemoDisplaySource : public LiveDisplaySource, public LiveKeySink {
public:
    void DrawNext() {
        SimulatedDisplay d = DemoDisplay(step_);
        if (!d.transmitting) d.rxLevel = static_cast<uint8_t>((step_ * 37) % 64);
        ++step_;
        renderer_.Draw(SimulatedMessage(d));
        frame_ = PackDisplay(renderer_.Bitmap());
        ++revision_;
    }
    LcdBits Frame() const override { return frame_; }
    uint64_t Revision() const override { return revision_; }
    std::string ModeCaption() const override { return "Online - device interface mode"; }
    void PressKey(PanelKey) override {}
    void ReleaseKey(PanelKey) override {}

private:
    DisplayBitmapRenderer renderer_;
    LcdBits frame_{};
    uint64_t revision_ = 0;
    uint32_t step_ = 0;
};

struct Client {
    // The page's own origin, as a browser sends it.
    explicit Client(quint16 port) : socket(QString("http://127.0.0.1:%1").arg(port)) {
        QObject::connect(&socket, &QWebSocket::binaryMessageReceived, [this](const QByteArray&) {
            ++received;
            if (onMessage) onMessage();
        });
        socket.open(QUrl(QString("ws://127.0.0.1:%1/ws").arg(port)));
    }
    QWebSocket socket;
    int received = 0;
    std::function<void()> onMessage;
};

void ProcessUntil(const std::function<bool()>& done) {
    QElapsedTimer patience;
    patience.start();
    while (!done() && patience.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Served {
    explicit Served(int viewers) {
        server.Start(QHostAddress::LocalHost, 0);
        for (int i = 0; i < viewers; ++i) {
            clients.push_back(std::make_unique<Client>(server.Port()));
        }
        ProcessUntil([&] { return server.Viewers() == viewers; });
    }
    DemoDisplaySource source;
    LiveServer server{source, source, RequestGuard({"127.0.0.1"})};
    std::vector<std::unique_ptr<Client>> clients;
};

}  // namespace

void BM_LiveViewSecond(benchmark::State& state) {
    const int viewers = static_cast<int>(state.range(0));
    Served served(viewers);
    const std::size_t heapBefore = HeapInUse();
    double lineMs = 0;
    for (auto _ : state) {
        for (int tick = 0; tick < kTicksPerSecond; ++tick) {
            for (; lineMs < (tick + 1) * LiveServer::TickMs; lineMs += kMessageMs) served.source.DrawNext();
            served.server.Tick();
            QCoreApplication::processEvents();
        }
    }
    ProcessUntil([&] { return true; });
    state.counters["heap_growth_MB"] = (static_cast<double>(HeapInUse()) - static_cast<double>(heapBefore)) / 1e6;
    state.counters["viewers"] = served.server.Viewers();
}
BENCHMARK(BM_LiveViewSecond)->Arg(0)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_LiveViewLatency(benchmark::State& state) {
    Served served(1);
    Client& client = *served.clients.front();
    QElapsedTimer clock;
    std::vector<double> latencies;
    for (auto _ : state) {
        bool arrived = false;
        client.onMessage = [&] { arrived = true; };
        served.source.DrawNext();
        clock.start();
        ProcessUntil([&] { return arrived; });
        latencies.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        // The next message comes at the line's pace, as from the radio.
        ProcessUntil([&] { return static_cast<double>(clock.nsecsElapsed()) / 1e6 >= kMessageMs; });
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["p50_ms"] = latencies[latencies.size() / 2];
    state.counters["p99_ms"] = latencies[latencies.size() * 99 / 100];
}
BENCHMARK(BM_LiveViewLatency)->Iterations(300)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
