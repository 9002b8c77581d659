// The whole program under a flood of random bytes on its serial port: the
// main window on the offscreen platform with the emulator running (offline,
// as when a noisy line holds no transceiver), COM1 mapped to a
// pseudo-terminal. A quiet phase, then a flood at the speed the line takes,
// then quiet again. Reports the bytes the line took and, per phase, the
// receive events, the time base's tick intervals and how long events posted
// from another thread waited for the GUI thread; every second the resident
// memory and the heap in use; for the flood, the CPU the program itself spent
// (the whole process less the bench's own flooding and probing threads) per
// megabyte taken. With `record`, the program records the line meanwhile.
//   bench_serial_flood [flood seconds, default 5] [record]
#include <fcntl.h>
#include <malloc.h>
#include <pthread.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "common/program_directory.h"
#include "gui/session/session_commands.h"
#include "gui/shell/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kQuietSeconds = 2;
constexpr auto kProbeInterval = std::chrono::milliseconds(5);

double MsSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

// The device end of a pseudo-terminal; the program opens the other end.
struct Line {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    std::string slave = (grantpt(master) == 0 && unlockpt(master) == 0) ? ptsname(master) : "";
    ~Line() { close(master); }
};

// Writes random bytes as fast as the line takes them until told to stop.
class Flooder {
public:
    explicit Flooder(int master) : master_(master) {}
    void Start() {
        thread_ = std::thread([this] { Run(); });
    }
    uint64_t Stop() {
        stop_ = true;
        thread_.join();
        return written_;
    }
    std::thread& Thread() { return thread_; }

private:
    void Run() {
        std::mt19937 random(8);
        std::vector<uint8_t> block(4096);
        for (uint8_t& b : block) b = static_cast<uint8_t>(random() | 0x80);  // never a start byte
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        while (!stop_) {
            const ssize_t n = write(master_, block.data(), block.size());
            if (n > 0)
                written_ += static_cast<uint64_t>(n);
            else
                std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }
    int master_;
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> written_{0};
    std::thread thread_;
};

struct Percentiles {
    double p50, p99, max;
};

Percentiles Of(std::vector<double> values) {
    if (values.empty()) return {0, 0, 0};
    std::sort(values.begin(), values.end());
    auto at = [&](double q) { return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))]; };
    return {at(0.5), at(0.99), values.back()};
}

// One phase's figures, gathered on the GUI thread.
struct Phase {
    explicit Phase(const char* phaseName) : name(phaseName) {}
    const char* name;
    std::vector<double> tickIntervals;  // ms between time base ticks
    std::vector<double> probeWaits;     // ms a posted event waited
    Clock::time_point lastTick{};
    uint64_t batches = 0;  // receive events handled
};

// Posts a timestamped event to the GUI thread every few milliseconds.
class Prober {
public:
    Prober(QObject* target, Phase*& phase) : target_(target), phase_(phase) {}
    void Start() {
        thread_ = std::thread([this] { Run(); });
    }
    void Stop() {
        stop_ = true;
        thread_.join();
    }
    std::thread& Thread() { return thread_; }

private:
    void Run() {
        while (!stop_) {
            const Clock::time_point posted = Clock::now();
            QMetaObject::invokeMethod(
                target_, [this, posted] { phase_->probeWaits.push_back(MsSince(posted)); }, Qt::QueuedConnection);
            std::this_thread::sleep_for(kProbeInterval);
        }
    }
    QObject* target_;
    Phase*& phase_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

double CpuSeconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double ThreadCpuSeconds(std::thread& thread) {
    clockid_t clock{};
    pthread_getcpuclockid(thread.native_handle(), &clock);
    return CpuSeconds(clock);
}

void PrintMemory(int second) {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    const struct mallinfo2 heap = mallinfo2();
    std::printf("  memory at %2d s: resident %.1f MB, heap in use %.2f MB\n", second,
                static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6,
                static_cast<double>(heap.uordblks + heap.hblkhd) / 1e6);
}

void Report(const Phase& phase, double seconds) {
    const Percentiles ticks = Of(phase.tickIntervals);
    const Percentiles waits = Of(phase.probeWaits);
    std::printf(
        "%-5s %2.0f s: %6llu receive events; time base %zu ticks (%.0f expected), interval p50 %.1f p99 %.1f "
        "max %.1f ms; posted event wait p50 %.3f p99 %.3f max %.3f ms\n",
        phase.name, seconds, static_cast<unsigned long long>(phase.batches), phase.tickIntervals.size(), seconds * 50,
        ticks.p50, ticks.p99, ticks.max, waits.p50, waits.p99, waits.max);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int floodSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const bool record = argc > 2 && std::string(argv[2]) == "record";
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Line line;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vhfcom-flood-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "RADIO.INI") << "[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=" << line.slave << "\r\n";

    TForm1 form(FoldersBeside(folder.string() + "/"));
    form.show();
    if (!form.Core.Comm1.Enabled()) {
        std::fprintf(stderr, "bench_serial_flood: COM1 (%s) did not open\n", line.slave.c_str());
        return 1;
    }

    const int total = 2 * kQuietSeconds + floodSeconds;
    Phase phases[] = {Phase("quiet"), Phase("flood"), Phase("quiet")};
    for (Phase& p : phases) {  // reserved up front, so the memory figures show the program's own
        p.tickIntervals.reserve(static_cast<std::size_t>(total) * 100);
        p.probeWaits.reserve(static_cast<std::size_t>(total) * 400);
    }
    Phase* phase = &phases[0];
    QObject::connect(&form.Timer2, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        if (phase->lastTick != Clock::time_point{}) phase->tickIntervals.push_back(MsSince(phase->lastTick));
        phase->lastTick = now;
    });
    auto reader = form.Core.Comm1.OnRxChar;
    form.Core.Comm1.OnRxChar = [&](TCustomComm* Sender, int32_t Count) {
        ++phase->batches;
        reader(Sender, Count);
    };

    if (record) form.Session->RecordTo((folder / "flood.vhfrec").string());
    Flooder flooder(line.master);
    Prober prober(&form, phase);
    prober.Start();
    double floodCpu = 0;  // the program's, during the flood
    int second = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] {
        PrintMemory(++second);
        if (second == kQuietSeconds) {
            phase = &phases[1];
            flooder.Start();
            floodCpu = -(CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - ThreadCpuSeconds(prober.Thread()));
        } else if (second == kQuietSeconds + floodSeconds) {
            floodCpu += CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - ThreadCpuSeconds(prober.Thread()) -
                        ThreadCpuSeconds(flooder.Thread());
            const double written = static_cast<double>(flooder.Stop()) / 1e6;
            std::printf("  flood%s: %.2f MB taken by the line, %.2f MB/s; program CPU %.2f s, %.3f s per MB\n",
                        record ? " (recorded)" : "", written, written / floodSeconds, floodCpu, floodCpu / written);
            phase = &phases[2];
        } else if (second == total) {
            form.close();
        }
    });
    PrintMemory(0);
    clock.start(1000);
    QApplication::exec();
    prober.Stop();
    std::filesystem::remove_all(folder);

    const double seconds[] = {kQuietSeconds, static_cast<double>(floodSeconds), kQuietSeconds};
    for (int i = 0; i < 3; ++i) Report(phases[i], seconds[i]);
    return 0;
}
