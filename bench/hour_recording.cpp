#include "hour_recording.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "demo_sequence.h"
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

void WriteRecording(const std::string& path) {
    const std::vector<uint8_t> line = HourOfLine();
    RecordingWriter writer;
    writer.Start(path, nullptr);
    std::size_t read = 1;
    for (std::size_t at = 0; at < line.size(); at += read, read = read % 16 + 1) {
        const std::size_t count = std::min(read, line.size() - at);
        const uint64_t micros = (at + count) * 1000000 / kLineBytesPerSecond;
        writer.Append(micros, line.data() + at, count);
    }
    writer.Stop();
}

struct ScratchRecording : HourRecording {
    ScratchRecording() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vhfcom-hour-XXXXXX").string();
        folder = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
        path = folder + "/hour.vhfrec";
        WriteRecording(path);
    }
    ~ScratchRecording() { std::filesystem::remove_all(folder); }
};

}  // namespace

const HourRecording& TheHourRecording() {
    static const ScratchRecording recording;
    return recording;
}
