#include "serial/comm.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "serial/comm_event_thread.h"
#include "serial/custom_line_speed.h"

namespace {

constexpr const char* kAccessError = "Error accessing specified device";
constexpr const char* kInvalidHandle = "Invalid device handle, access denied";
constexpr const char* kDcbError = "Error updating DataControlBlock";
constexpr const char* kBufferError = "Error initializing Read/Write Buffers";
constexpr const char* kTimeoutsError = "Error updating CommTimeouts";
constexpr const char* kAssigned = "Device already assigned (open)";

bool IsTerminalDevice(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 && S_ISCHR(status.st_mode) && isatty(fd);
}

}  // namespace

void TCommEventChars::SetXonChar(uint8_t value) {
    if (value == xon_) return;
    xon_ = value;
    owner_.UpdateDataControlBlock();
}

void TCommEventChars::SetXoffChar(uint8_t value) {
    if (value == xoff_) return;
    xoff_ = value;
    owner_.UpdateDataControlBlock();
}

TCustomComm::TCustomComm() = default;

TCustomComm::~TCustomComm() { Close(); }

void TCustomComm::Open() {
    Close();
    errno = 0;
    CreateHandle();
    ++session_;
    try {
        arrivals_.Reset();
        thread_ =
            std::make_unique<TCommEventThread>(device_, CommEventMask(monitorEvents_), session_, handOver_, arrivals_);
        thread_->Start();
        if (InputPolled()) thread_->WatchInput(false);
    } catch (const std::system_error& error) {
        thread_.reset();
        ReleaseDevice();
        throw ECommError(kAccessError, error.code().value());
    }
    counters_ = ReadSerialCounters(device_);
    UpdateDataControlBlock();
    SetupQueues();
    ApplyTimeouts(charsTimeOut_);
}

void TCustomComm::CreateHandle() {
    const int fd = ::open(deviceName_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw ECommError(kAccessError, errno);
    if (!IsTerminalDevice(fd)) {
        ::close(fd);
        throw ECommError(kInvalidHandle, -1);
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        throw ECommError(kAccessError, error);
    }
    ioctl(fd, TIOCEXCL);
    termios found{};
    if (tcgetattr(fd, &found) == 0) foundSettings_ = found;
    tcflush(fd, TCIFLUSH);  // what arrived before the open was meant for nobody
    device_ = fd;
}

void TCustomComm::Close() {
    if (!Enabled()) return;
    if (thread_) {
        thread_->Stop();
        handOver_.Cancel();
        thread_->WaitFor();
        thread_.reset();
        handOver_.Reset();
    }
    ReleaseDevice();
}

void TCustomComm::ReleaseDevice() {
    tcflush(device_, TCIOFLUSH);  // so that close does not wait for output to drain
    if (foundSettings_) tcsetattr(device_, TCSANOW, &*foundSettings_);
    ioctl(device_, TIOCNXCL);
    flock(device_, LOCK_UN);
    ::close(device_);
    device_ = -1;
    foundSettings_.reset();
}

int32_t TCustomComm::Read(void* Buffer, int32_t Count) {
    lastArrivals_.clear();
    if (!Enabled() || Count < 0) return -1;
    auto* bytes = static_cast<uint8_t*>(Buffer);
    const ssize_t n = arrivals_.Consume(
        [&] {
            ssize_t read;
            do {
                read = ::read(device_, bytes, static_cast<size_t>(Count));
            } while (read < 0 && errno == EINTR);
            return read;
        },
        lastArrivals_);
    if (n < 0) return -1;
    bytesRead_ += static_cast<uint64_t>(n);
    if (line_.Options.Contains(coNullStrip)) return StripNulls(bytes);
    return static_cast<int32_t>(n);
}

// Removes the null bytes of each arrival's part of the bytes just read; the
// number of bytes left.
int32_t TCustomComm::StripNulls(uint8_t* bytes) {
    const uint8_t* next = bytes;
    uint8_t* kept = bytes;
    for (ByteArrival& part : lastArrivals_) {
        uint8_t* const partStart = kept;
        for (const uint8_t* end = next + part.count; next != end; ++next)
            if (*next != 0) *kept++ = *next;
        part.count = static_cast<int32_t>(kept - partStart);
    }
    return static_cast<int32_t>(kept - bytes);
}

void TCustomComm::SetHandOverWaker(CommHandOver::Waker waker) { handOver_.SetWaker(std::move(waker)); }

void TCustomComm::SetServedAtTicks(bool served) { SetPolling(served, pollingWanted_); }

void TCustomComm::SetInputPolled(bool polled) { SetPolling(servedAtTicks_, polled); }

void TCustomComm::SetPolling(bool servedAtTicks, bool pollingWanted) {
    const bool polledBefore = InputPolled();
    servedAtTicks_ = servedAtTicks;
    pollingWanted_ = pollingWanted;
    if (thread_ && InputPolled() != polledBefore) thread_->WatchInput(!InputPolled());
}

bool TCustomComm::ServeHandOver() {
    if (InputPolled() && thread_) {
        const CommEventBatch found = thread_->ExamineInput();
        if (found.mask != 0) handOver_.Deliver(found);
    }
    const std::optional<CommEventBatch> batch = handOver_.Take();
    if (!batch) return false;
    const uint64_t readBefore = bytesRead_;
    HandleEvents(*batch);
    const uint64_t read = bytesRead_ - readBefore;
    if (read > 0 && read < static_cast<uint64_t>(inputQueue_)) ReportInputLeft(*batch);
    return true;
}

void TCustomComm::HandleEvents(const CommEventBatch& batch) {
    QueryDeviceStatus();
    if (batch.deviceLost) errors_ |= CommErrorDeviceLost;
    // Bytes an earlier batch's handler already read leave nothing to tell.
    const uint32_t mask = inputQueue_ > 0 ? batch.mask : batch.mask & ~EV_RXCHAR;
    for (uint32_t bit : CommEventBits)
        if (mask & bit) DoEvent(bit);
    // A handler may have closed or reopened the port meanwhile; only the
    // session that lost its device is closed.
    if (batch.deviceLost && batch.session == session_) Close();
}

// The event thread wakes for new bytes only: input left after the owner read
// a part of what was waiting is handed over again from here, so that it is
// read at once. Bytes that arrived during the read woke the event thread.
void TCustomComm::ReportInputLeft(const CommEventBatch& served) {
    if (!Enabled() || served.session != session_ || !(served.mask & EV_RXCHAR)) return;
    if (InputQueueBytes(device_) > 0) handOver_.Deliver({EV_RXCHAR, false, session_, true});
}

void TCustomComm::QueryDeviceStatus() {
    inputQueue_ = std::max(0, InputQueueBytes(device_));
    errors_ = 0;
    // A device without error counts at the open (a pseudo-terminal) has
    // none later either: it is not asked again.
    if (!counters_) return;
    if (const auto now = ReadSerialCounters(device_)) {
        errors_ = ErrorFlagsBetween(*counters_, *now);
        counters_ = now;
    }
}

void TCustomComm::DoEvent(uint32_t EventMask) {
    auto notify = [this](const TNotifyEvent& handler) {
        if (handler) handler(this);
    };
    switch (EventMask) {
        case EV_RXCHAR:
            if (OnRxChar) OnRxChar(this, inputQueue_);
            break;
        case EV_RXFLAG: notify(OnRxFlag); break;
        case EV_TXEMPTY: notify(OnTxEmpty); break;
        case EV_CTS: notify(OnCTS); break;
        case EV_DSR: notify(OnDSR); break;
        case EV_RLSD: notify(OnRLSD); break;
        case EV_BREAK: notify(OnBreak); break;
        case EV_ERR:
            if (OnError) OnError(this, errors_);
            break;
        case EV_RING: notify(OnRing); break;
        default: break;
    }
}

void TCustomComm::UpdateDataControlBlock() {
    if (!Enabled()) return;
    termios t{};
    if (tcgetattr(device_, &t) != 0) throw ECommError(kDcbError, errno);
    LineSettings settings = line_;
    settings.XonChar = eventChars_.XonChar();
    settings.XoffChar = eventChars_.XoffChar();
    const LineMapping mapping = MapLineSettings(t, settings);
    if (mapping.error != 0) throw ECommError(kDcbError, mapping.error);
    if (tcsetattr(device_, TCSANOW, &t) != 0) throw ECommError(kDcbError, errno);
    if (mapping.customSpeed != 0)
        if (const int error = SetCustomLineSpeed(device_, mapping.customSpeed)) throw ECommError(kDcbError, error);
    SetModemLinesForFlowControl();
}

void TCustomComm::SetModemLinesForFlowControl() {
    // Any chosen flow control starts from DTR on and RTS on (the line has no
    // RTS toggle mode); a pseudo-terminal has no modem lines and refuses both.
    if (line_.FlowControl == fcDefault) return;
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(device_, TIOCMBIS, &lines);
}

void TCustomComm::SetupQueues() {
    // The driver sizes its own queues; sizes that cannot be are refused.
    if (readBufSize_ <= 0 || writeBufSize_ <= 0) throw ECommError(kBufferError, EINVAL);
}

void TCustomComm::ApplyTimeouts(int32_t charsTimeOut) {
    charsTimeOut_ = charsTimeOut;
    if (!Enabled()) return;
    termios t{};
    if (tcgetattr(device_, &t) != 0) throw ECommError(kTimeoutsError, errno);
    MapCharsTimeOut(t, charsTimeOut);
    if (tcsetattr(device_, TCSANOW, &t) != 0) throw ECommError(kTimeoutsError, errno);
}

void TCustomComm::RefuseWhileOpen() const {
    if (Enabled()) throw ECommError(kAssigned, -1);
}

template <typename T>
void TCustomComm::ChangeLineSetting(T& field, T value) {
    if (field == value) return;
    field = value;
    UpdateDataControlBlock();
}

void TCustomComm::SetDeviceName(const std::string& value) {
    RefuseWhileOpen();
    deviceName_ = value;
}

void TCustomComm::SetMonitorEvents(TCommEventType value) {
    RefuseWhileOpen();
    monitorEvents_ = value;
}

void TCustomComm::SetReadBufSize(int32_t value) {
    RefuseWhileOpen();
    readBufSize_ = value;
}

void TCustomComm::SetWriteBufSize(int32_t value) {
    RefuseWhileOpen();
    writeBufSize_ = value;
}

void TCustomComm::SetBaudRate(TBaudRate value) { ChangeLineSetting(line_.BaudRate, value); }
void TCustomComm::SetParity(TParity value) { ChangeLineSetting(line_.Parity, value); }
void TCustomComm::SetStopbits(TStopbits value) { ChangeLineSetting(line_.Stopbits, value); }
void TCustomComm::SetDatabits(TDatabits value) { ChangeLineSetting(line_.Databits, value); }
void TCustomComm::SetOptions(TCommOptions value) { ChangeLineSetting(line_.Options, value); }
void TCustomComm::SetFlowControl(TFlowControl value) { ChangeLineSetting(line_.FlowControl, value); }
void TCustomComm::SetCharsTimeOut(int32_t value) { ApplyTimeouts(value); }
