#include "gui/comm/qt_comm_hand_over.h"

#include "serial/comm.h"

QtCommHandOver::QtCommHandOver(TCustomComm& comm, QObject* parent) : QObject(parent), comm_(comm) {
    comm_.SetHandOverWaker([this](const CommEventBatch& pending) {
        if (pending.backlog || !servedAtTicks_) ServeSoon();
    });
}

void QtCommHandOver::SetServedAtTicks(bool served) {
    servedAtTicks_ = served;
    if (!served) ServeSoon();  // a batch left to a tick that no longer comes
}

void QtCommHandOver::ServeSoon() {
    QMetaObject::invokeMethod(
        this, [this] { comm_.ServeHandOver(); }, Qt::QueuedConnection);
}

QtCommHandOver::~QtCommHandOver() { comm_.SetHandOverWaker(nullptr); }
