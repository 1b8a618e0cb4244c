#include "live/ServiceAddress.h"

#include <QFile>
#include <QHostAddress>
#include <QNetworkInterface>

#include "scoring/LiveScoring.h"

namespace {

// The name of the interface the default route goes through, from the kernel's routing table.
QString defaultRouteInterface() {
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    routes.readLine();
    while (!routes.atEnd()) {
        const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
        if (fields.size() > 2 && fields[1] == "00000000") return QString::fromLatin1(fields[0]);
    }
    return {};
}

QHostAddress firstIpv4(const QList<QNetworkAddressEntry>& entries) {
    for (const QNetworkAddressEntry& entry : entries) {
        if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.ip().isLoopback()) return entry.ip();
    }
    return {};
}

bool isReachableIpv4(const QHostAddress& address) {
    return address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback();
}

}  // namespace

QString serviceHost() {
    const QString routed = defaultRouteInterface();
    if (!routed.isEmpty()) {
        const QHostAddress address = firstIpv4(QNetworkInterface::interfaceFromName(routed).addressEntries());
        if (!address.isNull()) return address.toString();
    }
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (isReachableIpv4(address)) return address.toString();
    }
    return QStringLiteral("127.0.0.1");
}

QStringList serviceHosts() {
    QStringList hosts{serviceHost()};
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (isReachableIpv4(address) && !hosts.contains(address.toString())) hosts << address.toString();
    }
    return hosts;
}

QString serviceAddress(const QString& host, quint16 port) { return QStringLiteral("http://%1:%2").arg(host).arg(port); }

QString groupPageLink(const QString& address, const std::string& code) {
    return address + QString::fromStdString(groupPagePath(code));
}
