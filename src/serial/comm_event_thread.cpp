#include "serial/comm_event_thread.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/epoll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "serial/comm_types.h"

namespace {

void CloseOnExec(int fd) { fcntl(fd, F_SETFD, FD_CLOEXEC); }

void Watch(int epoll, int fd, uint32_t events, int operation = EPOLL_CTL_ADD) {
    epoll_event event{};
    event.events = events;
    event.data.fd = fd;
    if (epoll_ctl(epoll, operation, fd, &event) != 0) throw std::system_error(errno, std::generic_category());
}

}  // namespace

TCommEventThread::TCommEventThread(int device, uint32_t eventMask, uint64_t session, CommHandOver& handOver,
                                   ArrivalLedger& arrivals)
    : device_(device), eventMask_(eventMask), session_(session), handOver_(handOver), arrivals_(arrivals) {
    if (pipe(closeEvent_) != 0) throw std::system_error(errno, std::generic_category());
    CloseOnExec(closeEvent_[0]);
    CloseOnExec(closeEvent_[1]);
    try {
        epoll_ = epoll_create1(EPOLL_CLOEXEC);
        if (epoll_ < 0) throw std::system_error(errno, std::generic_category());
        Watch(epoll_, closeEvent_[0], EPOLLIN);
        Watch(epoll_, device_, DeviceEvents(true));
    } catch (...) {
        if (epoll_ >= 0) close(epoll_);
        close(closeEvent_[0]);
        close(closeEvent_[1]);
        throw;
    }
}

TCommEventThread::~TCommEventThread() {
    WaitFor();
    close(epoll_);
    close(closeEvent_[0]);
    close(closeEvent_[1]);
}

void TCommEventThread::Start() {
    counters_ = ReadSerialCounters(device_);
    modemLines_ = ModemLines(device_);
    thread_ = std::thread([this] { Execute(); });
#if defined(__linux__)
    pthread_setname_np(thread_.native_handle(), EventThreadName);  // shows in top -H and debuggers
#endif
}

void TCommEventThread::Stop() {
    const char signal = 1;
    while (write(closeEvent_[1], &signal, 1) < 0 && errno == EINTR) {
    }
    terminated_ = true;
}

void TCommEventThread::WaitFor() {
    if (thread_.joinable()) thread_.join();
}

// Without EV_RXCHAR, or while the owner watches the input itself, the device
// is watched for hang-up only, so bytes do not wake the thread.
uint32_t TCommEventThread::DeviceEvents(bool inputWatched) const {
    const uint32_t received = inputWatched && (eventMask_ & EV_RXCHAR) ? uint32_t{EPOLLIN} : 0;
    return received | EPOLLET;
}

void TCommEventThread::WatchInput(bool watched) {
    try {
        Watch(epoll_, device_, DeviceEvents(watched), EPOLL_CTL_MOD);
    } catch (const std::system_error&) {
        // The device is gone: its hang-up is on its way to the thread.
    }
}

CommEventBatch TCommEventThread::ExamineInput() {
    std::lock_guard lock(examining_);
    CommEventBatch batch;
    batch.session = session_;
    if (arrivals_.ArrivedNow([this] { return InputQueueBytes(device_); }) != ArrivalLedger::Waiting::New) return batch;
    batch.mask = EV_RXCHAR;
    AddLineStatus(batch);
    return batch;
}

void TCommEventThread::Execute() {
    while (!terminated_) {
        epoll_event events[2];
        const int n = epoll_wait(epoll_, events, 2, -1);
        const auto woken = ArrivalLedger::Clock::now();
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        uint32_t deviceEvents = 0;
        bool closing = false;
        for (int i = 0; i < n; ++i) {
            if (events[i].data.fd == closeEvent_[0]) closing = true;
            if (events[i].data.fd == device_) deviceEvents = events[i].events;
        }
        if (closing) break;
        CommEventBatch batch;
        {
            std::lock_guard lock(examining_);
            batch = Examine(deviceEvents, woken);
        }
        if (batch.mask == 0 && !batch.deviceLost) continue;
        if (!handOver_.Deliver(batch) || batch.deviceLost) break;
    }
    tcflush(device_, TCIFLUSH);
}

// Bytes the GUI thread read between the wake-up and this look leave the
// device not readable; input that is still readable with nothing in it is the
// end of the device's input.
bool TCommEventThread::AtEndOfInput() {
    return arrivals_.WithoutReads([this] {
        pollfd fd{device_, POLLIN, 0};
        return poll(&fd, 1, 0) == 1 && (fd.revents & POLLIN) && InputQueueBytes(device_) == 0;
    });
}

CommEventBatch TCommEventThread::Examine(uint32_t events, ArrivalLedger::Clock::time_point at) {
    CommEventBatch batch;
    batch.session = session_;
    if (events & (EPOLLHUP | EPOLLERR)) {
        batch.deviceLost = true;
    } else if (events & EPOLLIN) {
        switch (MarkWaitingInput(at)) {
            case ArrivalLedger::Waiting::New: batch.mask |= EV_RXCHAR; break;
            case ArrivalLedger::Waiting::Nothing: batch.deviceLost = AtEndOfInput(); break;
            case ArrivalLedger::Waiting::Marked: break;  // left unread, reported once already
        }
    }
    if (batch.deviceLost) batch.mask |= EV_ERR;
    AddLineStatus(batch);
    return batch;
}

ArrivalLedger::Waiting TCommEventThread::MarkWaitingInput(ArrivalLedger::Clock::time_point at) {
    return arrivals_.Arrived(at, [this] { return InputQueueBytes(device_); });
}

// A device without error counts or modem lines at the start (a
// pseudo-terminal) has none later either: it is not asked again.
void TCommEventThread::AddLineStatus(CommEventBatch& batch) {
    if (const auto now = counters_ ? ReadSerialCounters(device_) : std::nullopt) {
        const int32_t flags = ErrorFlagsBetween(*counters_, *now);
        if (flags & CommErrorBreak) batch.mask |= EV_BREAK;
        if (flags & ~CommErrorBreak) batch.mask |= EV_ERR;
        counters_ = now;
    }
    if (const auto lines = modemLines_ ? ModemLines(device_) : std::nullopt) {
        batch.mask |= ModemLineEvents(*modemLines_, *lines);
        modemLines_ = lines;
    }
    batch.mask &= eventMask_;
}
