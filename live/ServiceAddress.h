#pragma once
// Where phones on the club's network reach this machine.

#include <QString>
#include <QStringList>
#include <string>

// The address phones reach: the default route's interface, else the first address that is not
// the machine's own loopback, else the loopback.
QString serviceHost();
// Every IPv4 address of the machine but the loopback, the one of serviceHost() first; the
// loopback alone when there is no other.
QStringList serviceHosts();
// "http://host:port".
QString serviceAddress(const QString& host, quint16 port);
// The page a group's QR code opens: "http://host:port/g/<code>".
QString groupPageLink(const QString& address, const std::string& code);
