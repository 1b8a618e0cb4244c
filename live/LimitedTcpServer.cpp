#include "live/LimitedTcpServer.h"

namespace {

constexpr const char* ReceivedProperty = "teebrookReceived";

// Written here: the HTTP library answers only a request it has read whole, and this one is
// refused before that.
QByteArray tooLargeAnswer() {
    const QByteArray body = QByteArrayLiteral("{\"error\":\"Forespørselen er for stor\"}");
    return QByteArrayLiteral("HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nContent-Length: ") +
           QByteArray::number(body.size()) + QByteArrayLiteral("\r\nConnection: close\r\n\r\n") + body;
}

void refuseTooLarge(QTcpSocket* socket) {
    // The library's own handler must see no more of this connection, and what it kept goes.
    QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
    if (socket->isTransactionStarted()) socket->commitTransaction();
    socket->readAll();
    // The rest the client sends is read and dropped until it has the answer: a connection
    // closed on unread data is reset, and the client would lose the answer with it.
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
    socket->write(tooLargeAnswer());
    socket->disconnectFromHost();
}

}  // namespace

LimitedTcpServer::LimitedTcpServer(QObject* parent) : QTcpServer(parent) {}

void LimitedTcpServer::requestAnswered(QTcpSocket* socket) { socket->setProperty(ReceivedProperty, 0); }

QTcpSocket* LimitedTcpServer::limitedSocket(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return nullptr;
    }
    // The socket never buffers more than one request may be, whatever the peer sends.
    socket->setReadBufferSize(MaxRequestBytes);
    // Connected before the library's handler, so it counts what that handler is about to read.
    connect(socket, &QTcpSocket::readyRead, socket, [socket] {
        const qint64 received = socket->property(ReceivedProperty).toLongLong() + socket->bytesAvailable();
        socket->setProperty(ReceivedProperty, received);
        if (received >= MaxRequestBytes) refuseTooLarge(socket);
    });
    return socket;
}

void LimitedTcpServer::incomingConnection(qintptr descriptor) {
    if (QTcpSocket* socket = limitedSocket(descriptor)) addPendingConnection(socket);
}

void LimitedTcpServer::takeConnection(qintptr descriptor) {
    QTcpSocket* socket = limitedSocket(descriptor);
    if (!socket) return;
    addPendingConnection(socket);
    emit newConnection();
    // Taking the connection turns accepting on again; this server is not to accept any itself.
    pauseAccepting();
}
