#pragma once

// Hears of every display message the device link completed, after it was
// drawn. The program's operating mode listens: the first message after
// silence switches online, every one restarts the online watchdog.
class DisplayMessageListener {
public:
    virtual ~DisplayMessageListener() = default;
    virtual void DisplayMessageReceived() = 0;
};
