#include "gui/comm/qt_comm_hand_over.h"

#include "serial/comm.h"

QtCommHandOver::QtCommHandOver(TCustomComm& comm, QObject* parent) : QObject(parent), comm_(comm) {
    comm_.SetHandOverWaker([this] {
        QMetaObject::invokeMethod(
            this, [this] { comm_.ServeHandOver(); }, Qt::QueuedConnection);
    });
}

QtCommHandOver::~QtCommHandOver() { comm_.SetHandOverWaker(nullptr); }
