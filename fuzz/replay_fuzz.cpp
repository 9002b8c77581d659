// Any bytes as a recording, replayed as fast as the program can through the
// device link, on the event loop as the window replays, with the display
// detached.
//
// Checked: a file that opens plays to its end and says so once, and every
// byte of every whole record reaches the link, in order; a file that does
// not open says why and plays nothing.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "display/lcd.h"
#include "fuzz_check.h"
#include "gui/session/replay_player.h"
#include "link/device_link.h"
#include "memory_file.h"
#include "session/recording_reader.h"

namespace {

struct IgnoreMessages : DisplayMessageListener {
    void DisplayMessageReceived() override {}
};

std::vector<uint8_t> RecordedBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    RecordingReader reader(path);
    while (const auto record = reader.Next()) bytes.insert(bytes.end(), record->bytes.begin(), record->bytes.end());
    return bytes;
}

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "fuzz_replay";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Application();
    const MemoryFile file(data, size);
    IgnoreMessages listener;
    LcdFrame frame;
    Lcd lcd(frame);
    DeviceLink link(lcd, listener);
    std::vector<uint8_t> fed;
    int endings = 0;
    ReplayPlayer player;
    const std::string error = player.Start(
        file.Path(), 0,
        [&](const uint8_t* bytes, std::size_t count) {
            fed.insert(fed.end(), bytes, bytes + count);
            link.Feed(bytes, static_cast<int32_t>(count));
        },
        [&](const std::string&) { ++endings; });
    while (player.Playing()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    FuzzCheck(endings == (error.empty() ? 1 : 0), "a replay that started ends once");
    FuzzCheck(fed == (error.empty() ? RecordedBytes(file.Path()) : std::vector<uint8_t>()),
              "every recorded byte reaches the link in order");
    return 0;
}
