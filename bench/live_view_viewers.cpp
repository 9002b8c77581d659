// Fifty browsers watching the program at the line's full rate, against the
// same program with none, side by side over the same seconds: two copies of
// build/vhfcom online on pseudo-terminals, both serving their live view and
// fed the same display messages every 45.8 ms, each changing the display.
// The browsers are WebSocket clients in this process that read and draw
// every message as the page does. Prints each copy's share of a core (from
// the scheduler's accounting) and how much its resident memory grew from
// before the browsers came to the end of the run; and, over the same
// seconds, what plain write() calls of messages of the same mean size to as
// many loopback connections cost (the system's own part of every send).
//   bench_live_view_viewers [build folder] [seconds] [viewers]
#include <QCoreApplication>
#include <QWebSocket>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "line_writer.h"
#include "plain_sends.h"
#include "process_usage.h"
#include "served_program.h"
#include "session/packed_display.h"
#include "support/process_events.h"

namespace {

constexpr int kSettleMs = 4000;

// One browser: the page's origin, and the display kept as the page keeps it.
struct Viewer {
    explicit Viewer(quint16 port) : socket(QString("http://127.0.0.1:%1").arg(port)) {
        QObject::connect(&socket, &QWebSocket::binaryMessageReceived, [this](const QByteArray& m) { Draw(m); });
        socket.open(QUrl(QString("ws://127.0.0.1:%1/ws").arg(port)));
    }
    void Draw(const QByteArray& message) {
        ++messages;
        const auto* bytes = reinterpret_cast<const uint8_t*>(message.constData());
        if (message.startsWith('F') && message.size() == 1 + static_cast<qsizetype>(display.size())) {
            std::copy(bytes + 1, bytes + message.size(), display.begin());
            return;
        }
        ++changes;
        changeBytes += message.size();
        for (qsizetype at = 1; at + 1 + static_cast<qsizetype>(PackedRowBytes) <= message.size();
             at += 1 + static_cast<qsizetype>(PackedRowBytes))
            std::copy_n(bytes + at + 1, PackedRowBytes, display.begin() + bytes[at] * PackedRowBytes);
    }
    QWebSocket socket;
    PackedDisplay display{};
    long messages = 0;
    long changes = 0;
    long long changeBytes = 0;
};

// The mean size of the changes the viewers were sent so far.
std::size_t MeanChangeBytes(const std::vector<std::unique_ptr<Viewer>>& viewers) {
    long changes = 0;
    long long bytes = 0;
    for (const auto& v : viewers) changes += v->changes, bytes += v->changeBytes;
    return changes > 0 ? static_cast<std::size_t>(bytes / changes) : 1;
}

struct Usage {
    long long cpuNs, rssKb;
};

Usage UsageOf(const ServedProgram& program) {
    return {CpuNanoseconds(program.Pid()), ResidentKilobytes(program.Pid())};
}

void Wait(int ms) {
    ProcessEventsUntil([] { return false; }, ms);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string build = argc > 1 ? argv[1] : "build";
    const int seconds = argc > 2 ? std::stoi(argv[2]) : 30;
    const int viewerCount = argc > 3 ? std::stoi(argv[3]) : 50;

    ServedProgram alone(build), watched(build);
    if (alone.PageAddress().isEmpty() || watched.PageAddress().isEmpty())
        return std::fprintf(stderr, "the program did not serve\n"), 1;
    LineWriter line({alone.LineFd(), watched.LineFd()});
    line.Start(0, 0);
    Wait(kSettleMs);

    const Usage aloneBefore = UsageOf(alone), watchedBefore = UsageOf(watched);
    std::vector<std::unique_ptr<Viewer>> viewers;
    for (int i = 0; i < viewerCount; ++i) viewers.push_back(std::make_unique<Viewer>(watched.Port()));
    const bool connected = ProcessEventsUntil([&] {
        for (const auto& v : viewers)
            if (v->socket.state() != QAbstractSocket::ConnectedState) return false;
        return true;
    });
    if (!connected) return std::fprintf(stderr, "not every viewer connected\n"), 1;
    Wait(kSettleMs);

    const std::size_t changeBytes = MeanChangeBytes(viewers);
    const PlainSends plain(viewerCount, changeBytes, LineWriter::Interval);
    Wait(kSettleMs / 4);
    const Usage aloneStart = UsageOf(alone), watchedStart = UsageOf(watched);
    const std::chrono::nanoseconds plainStart = plain.SenderCpu();
    long messagesBefore = 0;
    for (const auto& v : viewers) messagesBefore += v->messages;
    Wait(seconds * 1000);
    const Usage aloneEnd = UsageOf(alone), watchedEnd = UsageOf(watched);
    const std::chrono::nanoseconds plainEnd = plain.SenderCpu();
    long messages = -messagesBefore;
    for (const auto& v : viewers) messages += v->messages;
    line.Stop();

    const auto share = [&](const Usage& start, const Usage& end) {
        return static_cast<double>(end.cpuNs - start.cpuNs) / 1e7 / seconds;
    };
    const double aloneShare = share(aloneStart, aloneEnd), watchedShare = share(watchedStart, watchedEnd);
    std::printf("program, no browser:     %6.2f %% of a core, resident memory %+.1f MB\n", aloneShare,
                static_cast<double>(aloneEnd.rssKb - aloneBefore.rssKb) / 1024);
    std::printf("program, %d browsers:    %6.2f %% of a core, resident memory %+.1f MB (%.1f messages/s each)\n",
                viewerCount, watchedShare, static_cast<double>(watchedEnd.rssKb - watchedBefore.rssKb) / 1024,
                static_cast<double>(messages) / viewerCount / seconds);
    const double plainShare = static_cast<double>((plainEnd - plainStart).count()) / 1e7 / seconds;
    std::printf("plain writes, %d sockets:  %6.2f %% of a core (%zu bytes each, the changes' mean size)\n", viewerCount,
                plainShare, changeBytes);
    std::printf("CPU with browsers: %.2fx the run with none (target: at most 2x; memory growth under 10 MB)\n",
                watchedShare / aloneShare);
    std::printf("what the browsers add: %.2fx the plain writes; the run with none plus the plain writes: %.2fx\n",
                (watchedShare - aloneShare) / plainShare, (aloneShare + plainShare) / aloneShare);
    return 0;
}
