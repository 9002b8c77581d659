#include "serial/serial_status.h"

#include <sys/ioctl.h>

#include "serial/comm_types.h"

#if defined(__linux__)
#include <linux/serial.h>
#endif

std::optional<SerialCounters> ReadSerialCounters([[maybe_unused]] int fd) {
#if defined(__linux__) && defined(TIOCGICOUNT)
    serial_icounter_struct count{};
    if (ioctl(fd, TIOCGICOUNT, &count) != 0) return std::nullopt;
    return SerialCounters{static_cast<uint32_t>(count.frame), static_cast<uint32_t>(count.overrun),
                          static_cast<uint32_t>(count.parity), static_cast<uint32_t>(count.brk),
                          static_cast<uint32_t>(count.buf_overrun)};
#else
    return std::nullopt;
#endif
}

int32_t ErrorFlagsBetween(const SerialCounters& before, const SerialCounters& after) {
    int32_t flags = 0;
    if (after.bufferOverrun != before.bufferOverrun) flags |= CommErrorRxOver;
    if (after.overrun != before.overrun) flags |= CommErrorOverrun;
    if (after.parity != before.parity) flags |= CommErrorParity;
    if (after.frame != before.frame) flags |= CommErrorFrame;
    if (after.brk != before.brk) flags |= CommErrorBreak;
    return flags;
}

int32_t InputQueueBytes(int fd) {
    int bytes = 0;
    if (ioctl(fd, FIONREAD, &bytes) != 0) return -1;
    return bytes;
}

std::optional<int> ModemLines(int fd) {
    int lines = 0;
    if (ioctl(fd, TIOCMGET, &lines) != 0) return std::nullopt;
    return lines;
}

uint32_t ModemLineEvents(int before, int after) {
    const int changed = before ^ after;
    uint32_t events = 0;
    if (changed & TIOCM_CTS) events |= EV_CTS;
    if (changed & TIOCM_DSR) events |= EV_DSR;
    if (changed & TIOCM_CD) events |= EV_RLSD;
    if (changed & TIOCM_RI) events |= EV_RING;
    return events;
}
