// Any bytes as a recording, exported as CSV, GIF and PNG. The outputs go to a
// folder in memory (/dev/shm) and the PNG writer only keeps the display it is
// given, as the picture itself is the GUI library's work.
//
// Checked: every export ends (the fuzzer's time limit catches one that does
// not), succeeds or fails with one message, never misuses its arguments, and
// writes no more than a bound that grows with the messages the file can hold
// (a message takes 44 bytes of the file): times that run backwards or jump
// far ahead cost no more frames or rows.
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "link/device_link.h"
#include "memory_file.h"
#include "session/recording_export.h"

namespace {

constexpr uint64_t kGifHeaderBytes = 1024;
// A whole display at scale 1 with its frame's extension and descriptor, LZW at worst.
constexpr uint64_t kGifFrameBytes = 2 * LcdWidth * LcdHeight + 64;
constexpr uint64_t kCsvHeaderBytes = 256;
constexpr uint64_t kCsvRowBytes = 256;

std::string gFolder;

std::string KeepDisplay(const DisplayBitmap&, int, const std::string&) { return {}; }

const std::string& Folder() {
    if (gFolder.empty()) {
        std::string tmpl = "/dev/shm/vhfcom-fuzz-XXXXXX";
        if (!::mkdtemp(tmpl.data())) tmpl = std::filesystem::temp_directory_path() / "vhfcom-fuzz";
        std::filesystem::create_directories(tmpl);
        gFolder = tmpl;
        std::atexit([] { std::filesystem::remove_all(gFolder); });
    }
    return gFolder;
}

uint64_t SizeOf(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MemoryFile file(data, size);
    const uint64_t messages = size / DisplayMessageSize;
    const struct {
        const char* name;
        uint64_t bound;
    } outputs[] = {
        {"out.csv", kCsvHeaderBytes + messages * kCsvRowBytes},
        {"out.gif", kGifHeaderBytes + (messages + 1) * kGifFrameBytes},
        {"out.png", 0},
    };
    for (const auto& output : outputs) {
        std::ostringstream out, err;
        const std::string path = Folder() + "/" + output.name;
        const int status = ExportRecording(file.Path(), path, 1, KeepDisplay, out, err);
        FuzzCheck(status == ExportDone || status == ExportFailed, "an export succeeds or fails");
        FuzzCheck(status == ExportDone || !err.str().empty(), "a failure says why");
        FuzzCheck(SizeOf(path) <= output.bound, "the output stays within its bound");
        std::filesystem::remove(path);
    }
    FuzzCheck(std::filesystem::is_empty(Folder()), "no temporary file is left behind");
    return 0;
}
