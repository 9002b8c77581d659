#pragma once
#include <QHostAddress>
#include <QString>
#include <optional>

// Where the live view is served and the address a browser opens.

inline constexpr quint16 DefaultSharePort = 8104;

struct ShareEndpoint {
    QHostAddress address;
    quint16 port = 0;
};

// "[ADDRESS:]PORT"; the address defaults to 127.0.0.1 and may be an IPv4
// address, an IPv6 one in brackets, or "localhost". Nothing when malformed.
std::optional<ShareEndpoint> ParseShareEndpoint(const QString& text);

// A new random token of 128 bits, as 32 hex digits.
QString NewKeyToken();

// The address to open for a server on `endpoint`: on every address (the
// local network) it names this machine's first network address; with a
// token, the page's keys come with it as #key=TOKEN.
QString ViewerAddress(const ShareEndpoint& endpoint, const QString& token);
