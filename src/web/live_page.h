#pragma once
#include <QByteArray>

// The live view's page: one HTML file with its style and script inline
// (assets/page/live.html, page.css, lcd.js, live.js), and the
// Content-Security-Policy that lets it run those two and talk to its own
// host, nothing else.
struct LivePage {
    QByteArray html;
    QByteArray scriptHash;  // 'sha256-...' of the inline script
    QByteArray styleHash;   // of the inline style
};

const LivePage& TheLivePage();

// The policy for the page served to `host` (a checked Host header).
QByteArray PagePolicy(const QByteArray& host);
// The policy of every other response: nothing at all.
inline constexpr const char* NothingPolicy = "default-src 'none'; frame-ancestors 'none'";
