#include "platform/net/HostAddresses.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace zarle {

QStringList LocalIPv4Addresses() {
    QStringList found;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : nic.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) found << entry.ip().toString();
    }
    if (found.isEmpty()) found << QHostAddress(QHostAddress::LocalHost).toString();
    return found;
}

} // namespace zarle
