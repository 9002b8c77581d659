// From a display message on the serial line to a browser's canvas, on one
// machine: the program (a copy of build/vhfcom, online on a pseudo-terminal,
// serving its live view) and headless chromium on its page. This process
// writes a display message every 45.8 ms, each changing the display; the page
// notes, in an animation-frame callback that reads the canvas, when each new
// picture is first on it. The page's clock is related to this one through
// DevTools evaluations (the one with the shortest round trip counts).
//   bench_live_view_latency [build folder] [messages]
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "headless_chromium.h"
#include "line_writer.h"
#include "served_program.h"
#include "session/display_bitmap.h"
#include "session/packed_display.h"
#include "support/process_events.h"

namespace {

using Clock = LineWriter::Clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr uint32_t kWarmUpMessages = 40;
constexpr double kLatestMatchMs = 1000;

// Put on the page: a hash of the canvas's pixels (the display packed as the
// program packs it, FNV-1a) and when it was first seen, on every frame.
const QString kProbe = R"((() => {
  const context = document.getElementById("lcd").getContext("2d");
  window.benchShown = [];
  let last = -1;
  const look = () => {
    const d = context.getImageData(0, 0, 104, 64).data;
    let hash = 0x811c9dc5;
    for (let i = 0; i < d.length; i += 32) {
      let byte = 0;
      for (let bit = 0; bit < 8; bit++) if (d[i + bit * 4 + 1] === 0) byte |= 0x80 >> bit;
      hash = Math.imul(hash ^ byte, 0x01000193) >>> 0;
    }
    if (hash !== last) window.benchShown.push([performance.now(), last = hash]);
    requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
  return true;
})())";

uint32_t HashOf(const PackedDisplay& display) {
    uint32_t hash = 0x811c9dc5u;
    for (const uint8_t byte : display) hash = (hash ^ byte) * 0x01000193u;
    return hash;
}

// The display after each message, hashed as the probe does.
std::vector<uint32_t> ExpectedHashes(uint32_t first, uint32_t count) {
    DisplayBitmapRenderer renderer;
    std::vector<uint32_t> hashes;
    for (uint32_t i = 0; i < first + count; ++i) {
        renderer.Draw(SimulatedMessage(LineWriter::DisplayAt(i)));
        if (i >= first) hashes.push_back(HashOf(PackDisplay(renderer.Bitmap())));
    }
    return hashes;
}

// This process's clock minus the page's performance.now(), in ms.
double ClockOffsetMs(HeadlessChromium& browser, const Clock::time_point origin) {
    double best = 1e9, offset = 0;
    for (int i = 0; i < 20; ++i) {
        const Clock::time_point before = Clock::now();
        const double page = browser.Evaluate("performance.now()").toDouble();
        const Clock::time_point after = Clock::now();
        const double roundTrip = Ms(after - before).count();
        if (roundTrip >= best) continue;
        best = roundTrip;
        offset = Ms(before - origin).count() + roundTrip / 2 - page;
    }
    std::printf("clock relation: round trip %.2f ms\n", best);
    return offset;
}

struct Shown {
    double at;  // this process's clock, ms from the origin
    uint32_t hash;
};

std::vector<Shown> ShownOnPage(HeadlessChromium& browser, double offset) {
    const QJsonArray entries =
        QJsonDocument::fromJson(browser.Evaluate("JSON.stringify(window.benchShown)").toString().toUtf8()).array();
    std::vector<Shown> shown;
    for (const QJsonValue& e : entries)
        shown.push_back({e[0].toDouble() + offset, static_cast<uint32_t>(e[1].toDouble())});
    return shown;
}

double Percentile(std::vector<double> sorted, double share) {
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(share * static_cast<double>(sorted.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string build = argc > 1 ? argv[1] : "build";
    const uint32_t count = argc > 2 ? static_cast<uint32_t>(std::stoul(argv[2])) : 400;

    ServedProgram program(build);
    if (program.PageAddress().isEmpty()) return std::fprintf(stderr, "the program did not serve\n"), 1;
    HeadlessChromium browser;
    if (!browser.Ready()) return std::fprintf(stderr, "chromium did not start\n"), 1;
    browser.Open(program.PageAddress());
    if (!browser.WaitFor("document.getElementById('state').textContent", "Connected"))
        return std::fprintf(stderr, "the page did not connect\n"), 1;

    LineWriter line({program.LineFd()});
    line.Start(0, kWarmUpMessages);
    ProcessEventsUntil([&] { return line.Done(); }, 60000);
    browser.Evaluate(kProbe);
    const Clock::time_point origin = Clock::now();
    const double offsetBefore = ClockOffsetMs(browser, origin);
    line.Start(kWarmUpMessages, count);
    ProcessEventsUntil([&] { return line.Done(); }, 600000);
    ProcessEventsUntil([] { return false; }, 1000);
    const double offsetAfter = ClockOffsetMs(browser, origin);
    const std::vector<Shown> shown = ShownOnPage(browser, (offsetBefore + offsetAfter) / 2);

    const std::vector<uint32_t> expected = ExpectedHashes(kWarmUpMessages - 1, count + 1);
    std::vector<double> latencies;
    int unchanged = 0, missed = 0;
    std::size_t cursor = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (expected[i + 1] == expected[i]) {
            ++unchanged;
            continue;
        }
        const double written = Ms(line.Written()[i] - origin).count();
        std::size_t at = cursor;
        while (at < shown.size() && !(shown[at].hash == expected[i + 1] && shown[at].at >= written - 1)) ++at;
        if (at == shown.size() || shown[at].at > written + kLatestMatchMs) {
            ++missed;
            continue;
        }
        latencies.push_back(shown[at].at - written);
        cursor = at;
    }
    std::printf("clock drift over the run: %.2f ms\n", offsetAfter - offsetBefore);
    std::printf("%u messages, %d left the display as it was, %d never seen on the canvas\n", count, unchanged, missed);
    if (latencies.empty()) return std::fprintf(stderr, "no message reached the canvas\n"), 1;
    std::printf(
        "serial line to canvas: p50 %.1f ms, p99 %.1f ms, max %.1f ms over %zu messages (target: p99 < 50 ms)\n",
        Percentile(latencies, 0.5), Percentile(latencies, 0.99), Percentile(latencies, 1.0), latencies.size());
    return 0;
}
