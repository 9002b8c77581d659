#include "support/pty_pair.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <stdexcept>

PtyPair::PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) throw std::runtime_error("no pseudo-terminal");
    slavePath_ = ptsname(master_);
}

PtyPair::~PtyPair() { CloseMaster(); }

void PtyPair::Write(const std::vector<uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) throw std::runtime_error("pseudo-terminal write failed");
        done += static_cast<std::size_t>(n);
    }
}

void PtyPair::CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

termios PtyPair::SlaveSettings() const {
    termios t{};
    if (tcgetattr(master_, &t) != 0) throw std::runtime_error("tcgetattr failed");
    return t;
}

void PtyPair::SetSlaveSettings(const termios& t) {
    if (tcsetattr(master_, TCSANOW, &t) != 0) throw std::runtime_error("tcsetattr failed");
}
