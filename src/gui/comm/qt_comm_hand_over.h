#pragma once
#include <QObject>
#include <atomic>

class TCustomComm;

// Runs a serial component's hand-over on the GUI thread: the component's
// event thread wakes this object, which queues a call of ServeHandOver to its
// own (the GUI) thread. While the owner serves the component at every tick of
// its time base (SetServedAtTicks), only a backlog (input left after a
// partial read) is served at once, so that a line that backs up is read
// without waiting; every other batch waits for the tick, and the GUI thread
// is not woken for each one. Detaches itself on destruction, so it may die
// before the component.
class QtCommHandOver : public QObject {
public:
    explicit QtCommHandOver(TCustomComm& comm, QObject* parent = nullptr);
    ~QtCommHandOver() override;

    // GUI thread: whether the owner's tick serves the component from now on.
    void SetServedAtTicks(bool served);

private:
    void ServeSoon();

    TCustomComm& comm_;
    std::atomic<bool> servedAtTicks_{false};
    std::atomic<bool> serveQueued_{false};
};
