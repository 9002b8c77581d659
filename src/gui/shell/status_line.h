#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QLabel;
class QStatusBar;
struct FreqDatabase;

// The status line below the window's client area: on the left what a command
// just did, on the right the session (recording, replay) and the frequency
// database's file name ("untitled" before it has one) with " *" while it has
// unsaved changes. It has no timer of its own: the window's time base calls
// Tick, and every kTicksPerRefresh-th tick refreshes it, about four times a
// second.
class StatusLine : public QObject {
public:
    static constexpr int kTicksPerRefresh = 12;

    StatusLine(QStatusBar* bar, std::function<QString()> sessionText, const FreqDatabase& db);

    void Tick();
    void Refresh();
    // Shown on the left for a while, until the next message.
    void ShowMessage(const QString& text);

    QLabel* Session = nullptr;
    QLabel* Database = nullptr;

private:
    QStatusBar* bar_;
    std::function<QString()> sessionText_;
    const FreqDatabase& db_;
    int ticksToRefresh_ = kTicksPerRefresh;
    // The database's file and unsaved state as shown, so that a refresh
    // builds its texts only when they changed.
    std::optional<std::pair<std::string, bool>> shownDatabase_;
};
