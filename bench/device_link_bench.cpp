// Display messages framed and drawn per second, decoded messages drawn per
// second, and noise bytes skipped per second, by the device link on the GUI
// thread.
#include <benchmark/benchmark.h>

#include <vector>

#include "demo_sequence.h"
#include "display/display_message_drawing.h"
#include "display/lcd.h"
#include "link/device_link.h"
#include "modes/operating_mode.h"
#include "support/idle_firmware.h"

namespace {

void BM_FrameAndRenderDisplayMessages(benchmark::State& state) {
    IdleFirmware unit;
    OperatingMode mode(unit.fw);
    LcdFrame frame;
    Lcd lcd(frame);
    DeviceLink link(lcd, mode);
    std::vector<uint8_t> stream;
    const uint32_t messages = DemoLength();
    for (uint32_t step = 0; step < messages; ++step) {
        const DisplayMessageBytes m = BuildDisplayMessage(DemoDisplay(step));
        stream.insert(stream.end(), m.begin(), m.end());
    }
    for (auto _ : state) link.Feed(stream.data(), static_cast<int32_t>(stream.size()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * messages);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(stream.size()));
    benchmark::DoNotOptimize(frame.Revision());
}
BENCHMARK(BM_FrameAndRenderDisplayMessages);

// Decoded messages drawn on the display, without the framing.
void BM_DrawDisplayMessages(benchmark::State& state) {
    LcdFrame frame;
    Lcd lcd(frame);
    std::vector<DisplayMessage> messages;
    for (uint32_t step = 0; step < DemoLength(); ++step) messages.push_back(SimulatedMessage(DemoDisplay(step)));
    DisplayMessageDrawing drawing;
    for (auto _ : state)
        for (const DisplayMessage& m : messages) DrawDisplayMessage(lcd, drawing, m);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(messages.size()));
    benchmark::DoNotOptimize(frame.Revision());
}
BENCHMARK(BM_DrawDisplayMessages);

void BM_SkipNoise(benchmark::State& state) {
    IdleFirmware unit;
    OperatingMode mode(unit.fw);
    LcdFrame frame;
    Lcd lcd(frame);
    DeviceLink link(lcd, mode);
    std::vector<uint8_t> noise(DeviceLinkReadSize);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>((i * 131 + 7) % 256 | 0x80);
    for (auto _ : state) link.Feed(noise.data(), static_cast<int32_t>(noise.size()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(noise.size()));
}
BENCHMARK(BM_SkipNoise);

}  // namespace

BENCHMARK_MAIN();
