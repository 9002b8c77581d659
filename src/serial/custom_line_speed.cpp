// Free line speeds through the kernel's termios2 interface. Kept apart: its
// header declares its own struct termios, which clashes with <termios.h>.
#include "serial/custom_line_speed.h"

#include <cerrno>
#include <cstdint>

#if defined(__linux__)
#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

int SetCustomLineSpeed(int fd, uint32_t bitsPerSecond) {
    termios2 t{};
    if (ioctl(fd, TCGETS2, &t) != 0) return errno;
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = bitsPerSecond;
    t.c_ospeed = bitsPerSecond;
    return ioctl(fd, TCSETS2, &t) == 0 ? 0 : errno;
}
#else
int SetCustomLineSpeed(int, uint32_t) { return EINVAL; }
#endif
