#include "gui/session/replay_player.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "session/recording_reader.h"

namespace {
// At speed 0 a turn of the event loop hands over records for this long, or
// this many when the clock stands still, then lets the window's events in.
constexpr int64_t kTurnAtFullSpeedMs = 8;
constexpr int kMostRecordsPerTurn = 4096;
constexpr double kLongestTimerWaitMs = std::numeric_limits<int>::max();
}  // namespace

int64_t ReplayPlayer::SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

ReplayPlayer::ReplayPlayer(Clock clock) : clock_(clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { PlayDue(); });
}

ReplayPlayer::~ReplayPlayer() = default;

std::string ReplayPlayer::Start(const std::string& path, double speed, Feed feed,
                                std::function<void(const std::string& cut)> finished) {
    Stop();
    auto reader = std::make_unique<RecordingReader>(path);
    if (!reader->Error().empty()) return reader->Error();
    reader_ = std::move(reader);
    path_ = path;
    positionMicros_ = 0;
    speed_ = speed;
    feed_ = std::move(feed);
    finished_ = std::move(finished);
    haveWaiting_ = false;
    startedMs_ = clock_();
    timer_.start(0);
    return {};
}

void ReplayPlayer::Stop() {
    if (Playing()) Finish();
}

// Feeds every record whose time has come, then waits for the next one.
void ReplayPlayer::PlayDue() {
    const int64_t turnStartedMs = clock_();
    for (int fed = 0; Playing();) {
        if (!haveWaiting_) {
            const auto record = reader_->Next();
            if (!record) return Finish();
            waiting_.assign(record->bytes.begin(), record->bytes.end());
            waitingMicros_ = record->micros;
            haveWaiting_ = true;
        }
        if (speed_ > 0) {
            // A time far ahead (a damaged file) is waited for in turns the timer can hold.
            const double dueMs = static_cast<double>(waitingMicros_) / speed_ / 1000;
            if (const double wait = std::round(dueMs - static_cast<double>(clock_() - startedMs_)); wait > 0)
                return timer_.start(static_cast<int>(std::min(wait, kLongestTimerWaitMs)));
        } else if (++fed > kMostRecordsPerTurn || clock_() - turnStartedMs >= kTurnAtFullSpeedMs) {
            return timer_.start(0);
        }
        haveWaiting_ = false;
        positionMicros_ = waitingMicros_;
        feed_(waiting_.data(), waiting_.size());
    }
}

void ReplayPlayer::Finish() {
    timer_.stop();
    const auto cutAt = reader_->CutAt();
    const std::string cut = cutAt ? "The recording was cut at byte " + std::to_string(*cutAt) + "." : std::string();
    reader_.reset();
    auto finished = std::move(finished_);
    feed_ = nullptr;
    if (finished) finished(cut);
}
