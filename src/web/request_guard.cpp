#include "web/request_guard.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

namespace {

// The name part of a Host header, lower case, brackets and port dropped.
QString NameOf(const QByteArray& host) {
    QString name = QString::fromLatin1(host).trimmed().toLower();
    if (name.startsWith('[')) return name.mid(1, name.indexOf(']') - 1);
    if (name.count(':') == 1) name.truncate(name.indexOf(':'));
    return name;
}

}  // namespace

RequestGuard::RequestGuard(const QStringList& names) {
    for (const QString& name : names) names_ << name.toLower();
}

RequestGuard RequestGuard::ForThisMachine() {
    QStringList names{"localhost"};
    const QString hostName = QHostInfo::localHostName();
    if (!hostName.isEmpty()) names << hostName << hostName + ".local";
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        QHostAddress plain = address;
        plain.setScopeId({});
        names << plain.toString();
    }
    return RequestGuard(names);
}

bool RequestGuard::HostAllowed(const QByteArray& host) const {
    const QString name = NameOf(host);
    return !name.isEmpty() && names_.contains(name);
}

bool RequestGuard::OriginAllowed(const QByteArray& origin, const QByteArray& host) const {
    return HostAllowed(host) && origin.compare("http://" + host.trimmed(), Qt::CaseInsensitive) == 0;
}
