#pragma once
#include <QCoreApplication>
#include <QDeadlineTimer>

// Runs the GUI event loop until `done` holds; gives up (false) after
// `patienceMs`, a guard against a hang rather than a time limit under test.
template <typename Done>
bool ProcessEventsUntil(Done done, int patienceMs = 10000) {
    QDeadlineTimer deadline(patienceMs);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}
