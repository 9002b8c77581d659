// `--replay FILE --speed 0` of a one-hour recording (hour_recording.h) in the
// program's main window (offscreen unless QT_QPA_PLATFORM names another
// platform): from the window's start
// to the end of the replay, with its time base, repaints and status line
// running as they do in the program. Reports display messages per second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <filesystem>

#include "common/program_directory.h"
#include "gui/common/message_box.h"
#include "gui/session/session_commands.h"
#include "gui/shell/main_window.h"
#include "hour_recording.h"

namespace {

void BM_ReplayHourAtFullSpeed(benchmark::State& state) {
    const HourRecording& hour = TheHourRecording();
    const std::string programFolder = hour.folder + "/program/";
    std::filesystem::create_directories(programFolder);
    const ProgramFolders folders = FoldersBeside(programFolder);
    SetPlainMessageHandler([](const QString&) {});
    StartOptions options;
    options.replayFile = hour.path;
    options.replaySpeed = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TForm1 form(folders, options, programFolder + "ttyS");
        form.show();
        while (form.Session->Replaying()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetItemsProcessed(state.iterations() * HourRecording::Messages);
}
BENCHMARK(BM_ReplayHourAtFullSpeed)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
