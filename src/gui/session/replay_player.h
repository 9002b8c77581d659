#pragma once
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class RecordingReader;

// Plays a recording's bytes back in their original timing, divided by the
// speed (2 twice as fast, 0 as fast as the program can), through a callback
// that hands them to the device link. Runs on the GUI thread from the event
// loop, so the window, the time base and the emulator go on meanwhile; at
// speed 0 it hands over records for a few milliseconds per turn of the loop.
class ReplayPlayer {
public:
    using Feed = std::function<void(const uint8_t* bytes, std::size_t count)>;
    // The time the player goes by, in milliseconds; the monotonic clock's by default.
    using Clock = int64_t (*)();
    static int64_t SteadyMilliseconds();

    explicit ReplayPlayer(Clock clock = SteadyMilliseconds);
    ~ReplayPlayer();

    // Opens the recording and starts playing it. Returns an empty string, or
    // one sentence why the file cannot be played; then nothing started.
    // `finished` runs once the last record was fed or Stop was called, with
    // where the file was cut (an empty text for a recording that ends whole).
    std::string Start(const std::string& path, double speed, Feed feed,
                      std::function<void(const std::string& cut)> finished);
    void Stop();
    bool Playing() const { return reader_ != nullptr; }
    // The recording being played, and the time in it of the last record fed.
    const std::string& Path() const { return path_; }
    uint64_t PositionMicros() const { return positionMicros_; }

private:
    void PlayDue();
    void Finish();

    std::unique_ptr<RecordingReader> reader_;
    double speed_ = 1.0;
    Feed feed_;
    std::function<void(const std::string&)> finished_;
    Clock clock_;
    int64_t startedMs_ = 0;
    QTimer timer_;
    // The record read but not yet due.
    std::vector<uint8_t> waiting_;
    uint64_t waitingMicros_ = 0;
    bool haveWaiting_ = false;
    std::string path_;
    uint64_t positionMicros_ = 0;
};
