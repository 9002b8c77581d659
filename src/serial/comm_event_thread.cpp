#include "serial/comm_event_thread.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "serial/comm_types.h"

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
        const bool inputIgnored = unreadAfterBatch_ >= 0;
        pollfd fds[2] = {{device_, inputIgnored ? short{0} : watched, 0}, {closeEvent_[0], POLLIN, 0}};
        if (poll(fds, 2, inputIgnored ? kIgnoredInputRecheckMs : -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents != 0) break;
        const CommEventBatch batch = Examine(fds[0].revents);
        if (batch.mask == 0 && !batch.deviceLost) continue;
        const uint64_t readBefore = handOver_.BytesRead();
        if (!handOver_.Deliver(batch)) break;
        if (batch.deviceLost) break;
        if (batch.mask & EV_RXCHAR) NoteWhetherTheOwnerRead(readBefore);
    }
    tcflush(device_, TCIFLUSH);
}

// Input stays readable until it is read, so an owner that reads nothing of it
// would be woken again at once, for ever. Until new bytes arrive or the owner
// reads, such input is only looked at every kIgnoredInputRecheckMs. Input of
// which the owner read a part, or that grew while the owner was busy, is
// reported again at once.
void TCommEventThread::NoteWhetherTheOwnerRead(uint64_t readBefore) {
    readMark_ = handOver_.BytesRead();
    const int32_t left = InputQueueBytes(device_);
    const bool untouched = readMark_ == readBefore && left > 0 && left <= waitingAtBatch_;
    unreadAfterBatch_ = untouched ? left : -1;
}

CommEventBatch TCommEventThread::Examine(short revents) {
    CommEventBatch batch;
    batch.session = session_;
    if (revents & (POLLHUP | POLLERR | POLLNVAL)) {
        batch.deviceLost = true;
    } else if (revents & POLLIN) {
        waitingAtBatch_ = InputQueueBytes(device_);
        if (waitingAtBatch_ > 0)
            batch.mask |= EV_RXCHAR;
        else
            batch.deviceLost = true;  // readable with nothing to read: end of file
    } else if (unreadAfterBatch_ >= 0) {
        waitingAtBatch_ = InputQueueBytes(device_);
        if (waitingAtBatch_ > unreadAfterBatch_ || handOver_.BytesRead() != readMark_) {
            unreadAfterBatch_ = -1;
            if (waitingAtBatch_ > 0) batch.mask |= EV_RXCHAR;
        }
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
