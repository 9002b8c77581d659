#include "comm/comm_event_thread.h"

#include <fcntl.h>
#include <pthread.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "comm/comm_types.h"

namespace {

void CloseOnExec(int fd) { fcntl(fd, F_SETFD, FD_CLOEXEC); }

}  // namespace

TCommEventThread::TCommEventThread(int device, uint32_t eventMask, uint64_t session, CommHandOver& handOver)
    : device_(device), eventMask_(eventMask), session_(session), handOver_(handOver) {
    if (pipe(closeEvent_) != 0) throw std::system_error(errno, std::generic_category());
    CloseOnExec(closeEvent_[0]);
    CloseOnExec(closeEvent_[1]);
}

TCommEventThread::~TCommEventThread() {
    WaitFor();
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

void TCommEventThread::Execute() {
    // Without EV_RXCHAR the device is watched for hang-up only, so bytes that
    // nobody asked about cannot wake the thread over and over.
    const short watched = (eventMask_ & EV_RXCHAR) ? POLLIN : 0;
    while (!terminated_) {
        pollfd fds[2] = {{device_, watched, 0}, {closeEvent_[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents != 0) break;
        const CommEventBatch batch = Examine(fds[0].revents);
        if (batch.mask == 0 && !batch.deviceLost) continue;
        if (!handOver_.Deliver(batch)) break;
        if (batch.deviceLost) break;
    }
    tcflush(device_, TCIFLUSH);
}

CommEventBatch TCommEventThread::Examine(short revents) {
    CommEventBatch batch;
    batch.session = session_;
    if (revents & (POLLHUP | POLLERR | POLLNVAL)) {
        batch.deviceLost = true;
    } else if (revents & POLLIN) {
        if (InputQueueBytes(device_) > 0)
            batch.mask |= EV_RXCHAR;
        else
            batch.deviceLost = true;
    }
    if (batch.deviceLost) batch.mask |= EV_ERR;

    if (const auto now = ReadSerialCounters(device_); now && counters_) {
        const int32_t flags = ErrorFlagsBetween(*counters_, *now);
        if (flags & CommErrorBreak) batch.mask |= EV_BREAK;
        if (flags & ~CommErrorBreak) batch.mask |= EV_ERR;
        counters_ = now;
    }
    if (const auto lines = ModemLines(device_); lines && modemLines_) {
        batch.mask |= ModemLineEvents(*modemLines_, *lines);
        modemLines_ = lines;
    }
    batch.mask &= eventMask_;
    return batch;
}
