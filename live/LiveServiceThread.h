#pragma once
// One service thread: its own HTTP server over its own copy of the listening socket, answering
// each request inside its handler, after asking the service on the session's thread.

#include <QAbstractHttpServer>
#include <QThread>

class LimitedTcpServer;
class LiveService;

class LiveServiceThread : public QThread {
    Q_OBJECT
public:
    // Takes `listeningSocket` (a descriptor of its own) and closes it at the end.
    LiveServiceThread(LiveService& service, qintptr listeningSocket, QObject* parent = nullptr);
    ~LiveServiceThread() override;

    // Serves a connection the service accepted; from any thread.
    void takeConnection(qintptr descriptor);

protected:
    void run() override;

private:
    LiveService& service_;
    qintptr listeningSocket_;
    LimitedTcpServer* listener_;
};

class LiveHttpServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit LiveHttpServer(LiveService& service) : service_(service) {}

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    LiveService& service_;
};
