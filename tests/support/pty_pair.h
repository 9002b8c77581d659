#pragma once
#include <termios.h>

#include <cstdint>
#include <string>
#include <vector>

// A pseudo-terminal playing the serial line: the component opens the slave
// by its path, the test writes as the device on the master and looks at or
// changes the slave's line settings through the master.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    const std::string& SlavePath() const { return slavePath_; }
    void Write(const std::vector<uint8_t>& bytes);
    // Hangs up the line, as a pulled adapter or a closed simulator does.
    void CloseMaster();
    termios SlaveSettings() const;
    void SetSlaveSettings(const termios& t);

private:
    int master_ = -1;
    std::string slavePath_;
};
