#pragma once
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QWebSocket>
#include <memory>

#include "support/temp_dir.h"

// Debian's chromium, headless, with a fresh profile and nothing fetched on
// its own, driven over its DevTools protocol with Qt's WebSocket client.
class HeadlessChromium {
public:
    static constexpr const char* Path = "/usr/bin/chromium";

    // Starts the browser on a blank page; Ready() tells whether that worked.
    HeadlessChromium();
    ~HeadlessChromium();
    bool Ready() const { return ready_; }

    void Open(const QString& url);
    // The value of a JavaScript expression (promises awaited), or undefined.
    QJsonValue Evaluate(const QString& expression);
    // Evaluates `expression` until it gives `expected`; false after 20 s.
    bool WaitFor(const QString& expression, const QJsonValue& expected);

    // An expression for the canvas #lcd as text art: a row of characters per
    // pixel row, '#' for #000000, '.' for #00FF00, '?' for anything else.
    static QString CanvasArt();

private:
    QJsonObject Call(const QString& method, const QJsonObject& params);

    TempDir profile_;
    QProcess process_;
    QWebSocket devtools_;
    QJsonObject reply_;
    int lastId_ = 0;
    bool ready_ = false;
};
