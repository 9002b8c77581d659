#include "web/share_address.h"

#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

// The first IPv4 address of an interface that is up and not the loopback.
QHostAddress NetworkAddress() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) return entry.ip();
    }
    return QHostAddress(QHostAddress::LocalHost);
}

}  // namespace

std::optional<ShareEndpoint> ParseShareEndpoint(const QString& text) {
    static const QRegularExpression kForm(R"(^(?:(\[[0-9A-Fa-f:.]+\]|[^:\[\]]+):)?(\d{1,5})$)");
    const QRegularExpressionMatch match = kForm.match(text);
    if (!match.hasMatch()) return std::nullopt;
    bool ok = false;
    const uint port = match.captured(2).toUInt(&ok);
    if (!ok || port > 65535) return std::nullopt;
    QString host = match.captured(1);
    if (host.isEmpty() || host.compare("localhost", Qt::CaseInsensitive) == 0) host = "127.0.0.1";
    if (host.startsWith('[')) host = host.mid(1, host.size() - 2);
    const QHostAddress address(host);
    if (address.isNull()) return std::nullopt;
    return ShareEndpoint{address, static_cast<quint16>(port)};
}

QString NewKeyToken() {
    QString token;
    for (int i = 0; i < 4; ++i) token += QString("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QChar('0'));
    return token;
}

QString ViewerAddress(const ShareEndpoint& endpoint, const QString& token) {
    const bool everywhere = endpoint.address == QHostAddress::Any || endpoint.address == QHostAddress::AnyIPv4 ||
                            endpoint.address == QHostAddress::AnyIPv6;
    const QHostAddress shown = everywhere ? NetworkAddress() : endpoint.address;
    const QString host =
        shown.protocol() == QAbstractSocket::IPv6Protocol ? "[" + shown.toString() + "]" : shown.toString();
    QString address = QString("http://%1:%2/").arg(host).arg(endpoint.port);
    if (!token.isEmpty()) address += "#key=" + token;
    return address;
}
