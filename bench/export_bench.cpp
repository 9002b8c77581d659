// Exports of a one-hour recording at the line's full rate (hour_recording.h),
// and the cost of recording one read of the port.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "gui/session/display_image.h"
#include "hour_recording.h"
#include "session/recording_export.h"
#include "session/recording_writer.h"

namespace {

void Export(benchmark::State& state, const char* output, int scale = DefaultExportScale) {
    const HourRecording& scratch = TheHourRecording();
    std::ostringstream out, err;
    for (auto _ : state) {
        if (ExportRecording(scratch.path, scratch.folder + "/" + output, scale, WriteDisplayPng, out, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.counters["recording_MB"] = static_cast<double>(std::filesystem::file_size(scratch.path)) / 1e6;
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
    const HourRecording& scratch = TheHourRecording();
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
