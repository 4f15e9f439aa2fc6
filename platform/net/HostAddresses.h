#pragma once
// This machine's own network addresses, as a host tells them to the players who join.

#include <QString>
#include <QStringList>

namespace zarle {

// The IPv4 addresses of the network interfaces that are up, loopback left out; when there
// are none, the loopback address alone.
QStringList LocalIPv4Addresses();

} // namespace zarle
