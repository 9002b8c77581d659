#include "gui/comm/qt_comm_hand_over.h"

#include "serial/comm.h"

QtCommHandOver::QtCommHandOver(TCustomComm& comm, QObject* parent) : QObject(parent), comm_(comm) {
    comm_.SetHandOverWaker([this](const CommEventBatch& pending) {
        if (pending.backlog || !servedAtTicks_) ServeSoon();
    });
}

void QtCommHandOver::SetServedAtTicks(bool served) {
    servedAtTicks_ = served;
    comm_.SetServedAtTicks(served);
    if (!served) ServeSoon();  // a batch left to a tick that no longer comes
}

// At most one call waits in the event queue, so that wakes for a batch that
// call will serve anyway do not pile up calls ahead of other events.
void QtCommHandOver::ServeSoon() {
    if (serveQueued_.exchange(true)) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            serveQueued_ = false;
            comm_.ServeHandOver();
        },
        Qt::QueuedConnection);
}

QtCommHandOver::~QtCommHandOver() { comm_.SetHandOverWaker(nullptr); }
