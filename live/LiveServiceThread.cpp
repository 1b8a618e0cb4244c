#include "live/LiveServiceThread.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QPointer>
#include <QTcpSocket>

#include "live/LimitedTcpServer.h"
#include "live/LiveService.h"
#include "model/FileMessages.h"

LiveServiceThread::LiveServiceThread(LiveService& service, qintptr listeningSocket, QObject* parent)
    : QThread(parent), service_(service), listeningSocket_(listeningSocket), listener_(new LimitedTcpServer) {
    listener_->moveToThread(this);
}

// A thread that never ran leaves its listener here.
LiveServiceThread::~LiveServiceThread() { delete listener_; }

void LiveServiceThread::takeConnection(qintptr descriptor) {
    QMetaObject::invokeMethod(
        listener_, [listener = listener_, descriptor] { listener->takeConnection(descriptor); }, Qt::QueuedConnection);
}

void LiveServiceThread::run() {
    // Its socket notifiers belong to this thread, so the listening socket is taken here.
    if (listener_->setSocketDescriptor(listeningSocket_)) {
        listener_->pauseAccepting();
        LiveHttpServer server(service_);
        server.bind(listener_);
        exec();
        // Whether or not the HTTP server took it as its child, the listener goes after it.
        listener_->setParent(nullptr);
    }
    // Its sockets and notifiers belong to this thread and go with it.
    delete listener_;
    listener_ = nullptr;
}

bool LiveHttpServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    LimitedTcpServer::requestAnswered(socket);
    LiveReply reply;
    if (request.body().size() > LiveService::MaxBodyBytes) {
        reply = LiveService::failure(QHttpServerResponder::StatusCode::PayloadTooLarge,
                                     QStringLiteral("Forespørselen er for stor"));
    } else {
        const LiveRequest asked{request.method() == QHttpServerRequest::Method::Get,
                                request.method() == QHttpServerRequest::Method::Post, request.url().path(),
                                request.body(), request.remoteAddress().toString().toStdString()};
        QMetaObject::invokeMethod(
            &service_, [&] { reply = service_.answer(asked); }, Qt::BlockingQueuedConnection);
    }
    // On the disk before it counts: what is answered as stored survives a crash.
    if (reply.journalLine > 0) {
        if (const files::FileResult written = service_.journal().waitUntilWritten(reply.journalLine); !written) {
            reply = LiveService::failure(
                QHttpServerResponder::StatusCode::ServiceUnavailable,
                QString::fromStdString(withFailureReason("Registreringen kunne ikke lagres", written)));
        }
    }
    QHttpServerResponder responder = makeResponder(request, socket);
    if (reply.allow.isEmpty()) responder.write(reply.body, reply.mimeType, reply.status);
    else responder.write(reply.body, {{"Content-Type", reply.mimeType}, {"Allow", reply.allow}}, reply.status);
    return true;
}

// Never called: handleRequest answers every request.
void LiveHttpServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}
