// Exports of a one-hour recording at the line's full rate, and the cost of
// recording one read of the port.
//
// The recording: 9600 bit/s 8-N-1 is 960 bytes a second, 3,456,000 bytes in
// the hour, 78,545 display messages of 44 bytes back to back. They follow the
// simulator's demo (modes, squelch, tuning, transmitting, channels) with the
// received level moving on every message, and arrive in reads of 1 to 16
// bytes timed to the line's pace, as an event-driven port delivers them.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "demo_sequence.h"
#include "gui/session/display_image.h"
#include "session/recording_export.h"
#include "session/recording_writer.h"

namespace {

constexpr uint64_t kLineBytesPerSecond = 960;
constexpr uint64_t kHourBytes = 3600 * kLineBytesPerSecond;

std::vector<uint8_t> HourOfLine() {
    std::vector<uint8_t> line;
    line.reserve(kHourBytes + DisplayMessageSize);
    for (uint32_t step = 0; line.size() < kHourBytes; ++step) {
        SimulatedDisplay d = DemoDisplay(step);
        if (!d.transmitting) d.rxLevel = static_cast<uint8_t>((step * 37) % 64);
        const DisplayMessageBytes m = BuildDisplayMessage(d);
        line.insert(line.end(), m.begin(), m.end());
    }
    line.resize(kHourBytes);
    return line;
}

// A folder with the hour's recording in it, made once for all benchmarks.
struct Scratch {
    std::string folder;
    std::string recording;

    Scratch() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vhfcom-export-XXXXXX").string();
        folder = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
        recording = folder + "/hour.vhfrec";
        const std::vector<uint8_t> line = HourOfLine();
        RecordingWriter writer;
        writer.Start(recording, nullptr);
        std::size_t read = 1;
        for (std::size_t at = 0; at < line.size(); at += read, read = read % 16 + 1) {
            const std::size_t count = std::min(read, line.size() - at);
            const uint64_t micros = (at + count) * 1000000 / kLineBytesPerSecond;
            writer.Append(micros, line.data() + at, count);
        }
        writer.Stop();
    }
    ~Scratch() { std::filesystem::remove_all(folder); }
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

void Export(benchmark::State& state, const char* output, int scale = DefaultExportScale) {
    const Scratch& scratch = TheScratch();
    std::ostringstream out, err;
    for (auto _ : state) {
        if (ExportRecording(scratch.recording, scratch.folder + "/" + output, scale, WriteDisplayPng, out, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.counters["recording_MB"] = static_cast<double>(std::filesystem::file_size(scratch.recording)) / 1e6;
    state.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(scratch.folder + "/" + output)) / 1e6;
}

void BM_ExportHourToCsv(benchmark::State& state) { Export(state, "hour.csv"); }
void BM_ExportHourToPng(benchmark::State& state) { Export(state, "hour.png"); }
// The argument is the scale.
void BM_ExportHourToGif(benchmark::State& state) { Export(state, "hour.gif", static_cast<int>(state.range(0))); }
void BM_ExportHourToHtml(benchmark::State& state) { Export(state, "hour.html"); }
BENCHMARK(BM_ExportHourToCsv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHourToPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHourToGif)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1)->Arg(3)->Arg(DefaultExportScale);
BENCHMARK(BM_ExportHourToHtml)->Unit(benchmark::kMillisecond)->Iterations(3);

// One full read of the port (1000 bytes) handed to a running recording. The
// writer is restarted every 16 MB outside the timing, so the disk never falls
// behind and no append is dropped.
void BM_RecordingAppend1000Bytes(benchmark::State& state) {
    const Scratch& scratch = TheScratch();
    const std::vector<uint8_t> batch(1000, 0x55);
    const std::string path = scratch.folder + "/append.vhfrec";
    RecordingWriter writer;
    writer.Start(path, nullptr);
    uint64_t appended = 0;
    for (auto _ : state) {
        writer.Append(appended, batch.data(), batch.size());
        if (++appended % 16384 != 0) continue;
        state.PauseTiming();
        if (!writer.Recording()) state.SkipWithError("the recording stopped");
        writer.Start(path, nullptr);
        state.ResumeTiming();
    }
    if (!writer.Recording()) state.SkipWithError("the recording stopped");
    writer.Stop();
    state.SetBytesProcessed(static_cast<int64_t>(appended * batch.size()));
}
BENCHMARK(BM_RecordingAppend1000Bytes);

}  // namespace

BENCHMARK_MAIN();
