#pragma once
#include <cstdint>
#include <optional>

// Queries of an open serial device's state: what the event thread compares
// between two wake-ups and what the component reports to its handlers.

// The driver's running error counts. Pseudo-terminals and some drivers keep
// none; then the query gives nothing and no line errors are reported.
struct SerialCounters {
    uint32_t frame = 0;
    uint32_t overrun = 0;
    uint32_t parity = 0;
    uint32_t brk = 0;
    uint32_t bufferOverrun = 0;
};

std::optional<SerialCounters> ReadSerialCounters(int fd);

// CommError flags for the counts that grew from `before` to `after`.
int32_t ErrorFlagsBetween(const SerialCounters& before, const SerialCounters& after);

// Bytes in the input queue, or -1 when the query fails.
int32_t InputQueueBytes(int fd);

// The modem status lines (TIOCM_ bits), or nothing on a device without them.
std::optional<int> ModemLines(int fd);

// EV_CTS, EV_DSR, EV_RLSD and EV_RING for the lines that changed.
uint32_t ModemLineEvents(int before, int after);
