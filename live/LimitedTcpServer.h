#pragma once
// The listening socket of the scoring service. Qt HttpServer keeps a request whole in memory
// until it is complete, so each connection here reads at most MaxRequestBytes from the network
// for one request; a request that comes to more is answered 413 and the connection closed,
// having held no more of it than that.

#include <QTcpServer>
#include <QTcpSocket>

class LimitedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    // Room for the request line and headers a browser sends, and a body of 4 KiB.
    static constexpr qint64 MaxRequestBytes = 12 * 1024;

    explicit LimitedTcpServer(QObject* parent = nullptr);

    // The service calls this when it has answered a request on `socket`, so the next request on
    // the same connection starts counting anew.
    static void requestAnswered(QTcpSocket* socket);

    // Serves a connection accepted elsewhere, on this object's thread. A server of a service thread
    // listens on a copy of the service's socket only to count as listening; it accepts nothing
    // itself, so the connections can be dealt out evenly.
    void takeConnection(qintptr descriptor);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    QTcpSocket* limitedSocket(qintptr descriptor);
};
