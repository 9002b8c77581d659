#include "serial/line_settings.h"

#include <cerrno>

// How the component's settings land on a POSIX terminal, and what happens to
// those the terminal interface has no place for:
// - Speeds without a B constant are set through the platform's free-speed
//   interface (SetCustomLineSpeed); where there is none they are refused.
// - Mark and space parity need CMSPAR ("stick" parity). Without it they are
//   refused, as is every setting the line cannot make: 4 data bits, 1.5 stop
//   bits with more than 5 data bits, 2 stop bits with 5 data bits. A UART
//   told to send two stop bits with 5 data bits sends 1.5, so sb15 with da5
//   is CSTOPB.
// - The XON and XOFF limits (a quarter of ReadBufSize) and the queue sizes
//   have no counterpart: the driver keeps its own buffers and thresholds.
// - coDsrSensitivity and coIgnoreXOff have no counterpart and change nothing.
//   coErrorChar lets a byte received with a parity or framing error through
//   as NUL, the error character of this platform; without it such bytes are
//   dropped (IGNPAR). coNullStrip is done by Read.
// - fcDefault keeps the hardware handshake as found. The terminal layer's
//   software flow control (IXON, on by default for terminals) is turned off
//   all the same: it would swallow the bytes 0x11 and 0x13 of binary
//   messages, and a serial driver left at its defaults does no XON/XOFF.
// - fcDTR (DSR output handshake) does not exist on this platform and is
//   refused rather than silently ignored.

namespace {

struct SpeedEntry {
    uint32_t bitsPerSecond;
    speed_t code;  // 0 when there is no B constant
};

constexpr SpeedEntry kSpeeds[] = {
    {110, B110},   {300, B300},     {600, B600},       {1200, B1200},   {2400, B2400},
    {4800, B4800}, {9600, B9600},   {14400, 0},        {19200, B19200}, {38400, B38400},
    {56000, 0},    {57600, B57600}, {115200, B115200}, {128000, 0},     {256000, 0},
};

int MapSpeed(termios& t, TBaudRate rate, uint32_t& customSpeed) {
    const SpeedEntry& entry = kSpeeds[rate];
    if (entry.code == 0) {
        customSpeed = entry.bitsPerSecond;
        return 0;
    }
#if defined(CIBAUD)
    t.c_cflag &= ~static_cast<tcflag_t>(CIBAUD);  // input speed follows the output speed
#endif
    return cfsetispeed(&t, entry.code) == 0 && cfsetospeed(&t, entry.code) == 0 ? 0 : EINVAL;
}

int MapParity(termios& t, TParity parity) {
#if defined(CMSPAR)
    t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CMSPAR);
#else
    t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD);
#endif
    switch (parity) {
        case paNone: return 0;
        case paOdd: t.c_cflag |= PARENB | PARODD; return 0;
        case paEven: t.c_cflag |= PARENB; return 0;
#if defined(CMSPAR)
        case paMark: t.c_cflag |= PARENB | PARODD | CMSPAR; return 0;
        case paSpace: t.c_cflag |= PARENB | CMSPAR; return 0;
#endif
        default: return EINVAL;
    }
}

constexpr tcflag_t kCharacterSizes[] = {0, CS5, CS6, CS7, CS8};  // by TDatabits

int MapFrame(termios& t, TDatabits databits, TStopbits stopbits) {
    if (databits == da4) return EINVAL;
    const bool fiveBits = databits == da5;
    if ((stopbits == sb15 && !fiveBits) || (stopbits == sb20 && fiveBits)) return EINVAL;
    t.c_cflag = (t.c_cflag & ~static_cast<tcflag_t>(CSIZE | CSTOPB)) | kCharacterSizes[databits];
    if (stopbits != sb10) t.c_cflag |= CSTOPB;
    return 0;
}

int MapFlowControl(termios& t, TFlowControl flow) {
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    if (flow == fcDefault) return 0;
    t.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    switch (flow) {
        case fcCTS: t.c_cflag |= CRTSCTS; return 0;
        case fcSoftware: t.c_iflag |= IXON | IXOFF; return 0;
        case fcDTR: return EINVAL;
        default: return 0;
    }
}

void MapOptions(termios& t, TCommOptions options) {
    t.c_iflag &= ~static_cast<tcflag_t>(INPCK | IGNPAR | PARMRK);
    if (options.Contains(coParityCheck)) t.c_iflag |= INPCK;
    if (!options.Contains(coErrorChar)) t.c_iflag |= IGNPAR;
}

void MakeRaw(termios& t) {
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | ISTRIP | INLCR | IGNCR | ICRNL);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag |= CREAD | CLOCAL;
}

}  // namespace

uint32_t BitsPerSecond(TBaudRate rate) { return kSpeeds[rate].bitsPerSecond; }

LineMapping MapLineSettings(termios& t, const LineSettings& s) {
    LineMapping result;
    MakeRaw(t);
    if (int e = MapSpeed(t, s.BaudRate, result.customSpeed)) return {e, 0};
    if (int e = MapParity(t, s.Parity)) return {e, 0};
    if (int e = MapFrame(t, s.Databits, s.Stopbits)) return {e, 0};
    if (int e = MapFlowControl(t, s.FlowControl)) return {e, 0};
    MapOptions(t, s.Options);
    t.c_cc[VSTART] = static_cast<cc_t>(s.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(s.XoffChar);
    return result;
}

void MapCharsTimeOut(termios& t, int32_t milliseconds) {
    if (milliseconds <= 0) {
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        return;
    }
    const int32_t tenths = milliseconds / 100 + (milliseconds % 100 != 0 ? 1 : 0);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = static_cast<cc_t>(tenths > 255 ? 255 : tenths);
}
