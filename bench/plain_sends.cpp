#include "plain_sends.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <ctime>
#include <stdexcept>

namespace {

int Listening(sockaddr_in& address) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 128) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no loopback socket");
    return fd;
}

long long ThreadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

}  // namespace

PlainSends::PlainSends(int connections, std::size_t bytes, std::chrono::microseconds interval)
    : bytes_(bytes), interval_(interval) {
    sockaddr_in address{};
    const int listener = Listening(address);
    for (int i = 0; i < connections; ++i) {
        const int receiver = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (connect(receiver, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            throw std::runtime_error("no loopback connection");
        receivers_.push_back(receiver);
        const int sender = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        const int on = 1;
        setsockopt(sender, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);  // as a WebSocket server sends
        senders_.push_back(sender);
    }
    close(listener);
    if (pipe(wake_) != 0) throw std::runtime_error("no pipe");
    drainer_ = std::thread([this] { Drain(); });
    sender_ = std::thread([this] { Send(); });
}

PlainSends::~PlainSends() {
    stop_ = true;
    sender_.join();
    const char signal = 1;
    (void)!write(wake_[1], &signal, 1);
    drainer_.join();
    for (const int fd : senders_) close(fd);
    for (const int fd : receivers_) close(fd);
    close(wake_[0]);
    close(wake_[1]);
}

void PlainSends::Send() {
    const std::vector<char> message(bytes_, 'x');
    auto next = std::chrono::steady_clock::now();
    while (!stop_) {
        next += interval_;
        std::this_thread::sleep_until(next);
        for (const int fd : senders_) (void)!write(fd, message.data(), message.size());
        senderCpuNs_ = ThreadCpuNs();
    }
}

void PlainSends::Drain() {
    std::vector<pollfd> watched{{wake_[0], POLLIN, 0}};
    for (const int fd : receivers_) watched.push_back({fd, POLLIN, 0});
    std::vector<char> buffer(65536);
    while (poll(watched.data(), watched.size(), -1) >= 0 && !(watched[0].revents & POLLIN))
        for (std::size_t i = 1; i < watched.size(); ++i)
            if (watched[i].revents & POLLIN) (void)!read(watched[i].fd, buffer.data(), buffer.size());
}
