// Plays a transceiver on a serial line: sends its 44-byte display messages
// at a fixed interval, either the demo loop or one display built from the
// command line, or floods the line with noise. Talks to a serial device, or
// creates a pseudo-terminal and prints the path the program should open.
// Installed as vhfcom-transceiver-sim; its options are in kUsage below.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "demo_sequence.h"
#include "display_message_builder.h"

namespace {

struct Options {
    std::string device;  // empty: create a pseudo-terminal
    int intervalMs = 250;
    long count = 0;  // 0: forever
    bool noise = false;
    std::optional<SimulatedDisplay> fixed;
};

constexpr const char* kName = "vhfcom-transceiver-sim";

constexpr const char* kUsage =
    "Usage: vhfcom-transceiver-sim [OPTIONS] [DISPLAY FIELDS]\n"
    "Plays a VHF COM transceiver on a serial line for vhfcom: its display messages\n"
    "at a fixed interval, the demo loop or one display built from the fields.\n"
    "\n"
    "Options:\n"
    "  -h, --help                  Show this help and exit.\n"
    "  -v, --version               Show the version and exit.\n"
    "  --pty                       Create a pseudo-terminal and print its path\n"
    "                              (the default).\n"
    "  --device PATH               Send through this serial device instead.\n"
    "  --interval MS               Milliseconds between messages (default 250).\n"
    "  --count N                   Stop after N messages (default 0: never).\n"
    "  --noise                     Send random bytes at full speed instead.\n"
    "\n"
    "Display fields (any of them selects a fixed display instead of the demo):\n"
    "  --mode vol|sql|mhz|khz|ch|none  --tx  --vol N  --sql N  --rx N  --txlevel N\n"
    "  --active KHZ  --standby KHZ  --active-ch N  --standby-ch N\n"
    "  --active-name T  --active-type T  --standby-name T  --standby-type T\n";

// A bad command line: one line naming the problem, then the usage, status 2.
[[noreturn]] void Usage(const std::string& problem) {
    std::fprintf(stderr, "%s: %s\n%s", kName, problem.c_str(), kUsage);
    std::exit(2);
}

[[noreturn]] void Print(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::exit(0);
}

long Number(const char* text, long low, long high) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || end == text || value < low || value > high)
        Usage("'" + std::string(text) + "' is not a number from " + std::to_string(low) + " to " +
              std::to_string(high) + ".");
    return value;
}

uint8_t ModeOf(std::string_view name) {
    for (uint8_t i = 0; i < AdjustModeNames.size(); ++i)
        if (name == AdjustModeNames[i].option) return i;
    Usage("Unknown mode '" + std::string(name) + "'.");
}

Options Parse(int argc, char** argv) {
    Options o;
    auto next = [&](int& i) -> const char* {
        if (i + 1 >= argc) Usage("Missing value after '" + std::string(argv[i]) + "'.");
        return argv[++i];
    };
    auto display = [&]() -> SimulatedDisplay& {
        if (!o.fixed) o.fixed = DemoDisplay(0);
        return *o.fixed;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        // One option a line:
        // clang-format off
        if (a == "-h" || a == "--help") Print(kUsage);
        else if (a == "-v" || a == "--version") Print(std::string(kName) + " " VHFCOM_VERSION "\n");
        else if (a == "--pty") o.device.clear();
        else if (a == "--device") o.device = next(i);
        else if (a == "--interval") o.intervalMs = static_cast<int>(Number(next(i), 1, 60000));
        else if (a == "--count") o.count = Number(next(i), 0, 1L << 30);
        else if (a == "--noise") o.noise = true;
        else if (a == "--mode") display().adjustMode = ModeOf(next(i));
        else if (a == "--tx") display().transmitting = true;
        else if (a == "--vol") display().volumeBar = static_cast<uint8_t>(Number(next(i), 0, 255));
        else if (a == "--sql") display().squelchBar = static_cast<uint8_t>(Number(next(i), 0, 255));
        else if (a == "--rx") display().rxLevel = static_cast<uint8_t>(Number(next(i), 0, 255));
        else if (a == "--txlevel") display().txLevel = static_cast<uint8_t>(Number(next(i), 0, 255));
        else if (a == "--active") display().activeFreq = static_cast<int32_t>(Number(next(i), -99999999, 99999999));
        else if (a == "--standby") display().standbyFreq = static_cast<int32_t>(Number(next(i), -99999999, 99999999));
        else if (a == "--active-ch") display().activeChannel = static_cast<uint8_t>(Number(next(i), 0, 255));
        else if (a == "--standby-ch") display().standbyChannel = static_cast<uint8_t>(Number(next(i), 0, 255));
        else if (a == "--active-name") display().activeName = next(i);
        else if (a == "--active-type") display().activeType = next(i);
        else if (a == "--standby-name") display().standbyName = next(i);
        else if (a == "--standby-type") display().standbyType = next(i);
        else Usage("Unknown option '" + std::string(a) + "'.");
        // clang-format on
    }
    return o;
}

// 9600 bit/s, 8 data bits, no parity, one stop bit, no processing.
void MakeRawLine(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    tcsetattr(fd, TCSANOW, &t);
}

int OpenDevice(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) {
        std::fprintf(stderr, "%s: cannot open %s: %s\n", kName, path.c_str(), std::strerror(errno));
        std::exit(1);
    }
    MakeRawLine(fd);
    return fd;
}

// The master side of a new pseudo-terminal. Writes never block: like a real
// radio, the simulator goes on sending whether anybody listens or not.
int OpenPseudoTerminal() {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) {
        std::fprintf(stderr, "%s: cannot create a pseudo-terminal: %s\n", kName, std::strerror(errno));
        std::exit(1);
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    std::printf("%s\n", ptsname(fd));
    std::fflush(stdout);
    return fd;
}

// Bytes the line cannot take at the moment are lost, as on a real line
// without a listener.
void Send(int fd, const uint8_t* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

void Flood(int fd, long count) {
    std::mt19937 random(1);
    std::vector<uint8_t> noise(4096);
    for (long sent = 0; count == 0 || sent < count; ++sent) {
        for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
        Send(fd, noise.data(), noise.size());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    const int fd = o.device.empty() ? OpenPseudoTerminal() : OpenDevice(o.device);
    if (o.noise) {
        Flood(fd, o.count);
        return 0;
    }
    auto due = std::chrono::steady_clock::now();
    for (uint32_t step = 0; o.count == 0 || step < static_cast<uint32_t>(o.count); ++step) {
        const DisplayMessageBytes message = BuildDisplayMessage(o.fixed ? *o.fixed : DemoDisplay(step));
        Send(fd, message.data(), message.size());
        due += std::chrono::milliseconds(o.intervalMs);
        std::this_thread::sleep_until(due);
    }
    return 0;
}
