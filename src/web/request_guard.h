#pragma once
#include <QByteArray>
#include <QStringList>

// Which requests the live view answers. A browser may be talked into asking
// for this server under a foreign name (a DNS rebinding attack) or from a
// foreign page: the Host header must name this machine, by one of its
// addresses or by a name that only ever leads here ("localhost", its host
// name), and a WebSocket's Origin must be the page's own host.
class RequestGuard {
public:
    // `names`: the addresses and names taken for this machine, any case.
    explicit RequestGuard(const QStringList& names);
    // The addresses of this machine's interfaces, "localhost" and its host name.
    static RequestGuard ForThisMachine();

    // `host` is a Host header: a name or address, with or without a port;
    // an IPv6 address in brackets.
    bool HostAllowed(const QByteArray& host) const;
    // Origin "http://" + the (allowed) Host header.
    bool OriginAllowed(const QByteArray& origin, const QByteArray& host) const;

private:
    QStringList names_;
};
