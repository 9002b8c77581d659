#pragma once
#include <QObject>

class TCustomComm;

// Runs a serial component's hand-over on the GUI thread: the component's
// event thread wakes this object, which queues a call of ServeHandOver to its
// own (the GUI) thread. Detaches itself on destruction, so it may die before
// the component.
class QtCommHandOver : public QObject {
public:
    explicit QtCommHandOver(TCustomComm& comm, QObject* parent = nullptr);
    ~QtCommHandOver() override;

private:
    TCustomComm& comm_;
};
