#pragma once
// The scoring service: plain HTTP on the club's network, where each group's marker and players
// enter strokes on their phones with the group's code, and the clubhouse board's standings can be
// read. Every answer is given inside the request's handler; an entry is answered only once its
// journal line is on the disk. Stored data changes only through the tournament session.

#include <QAbstractHttpServer>
#include <QHttpServerResponder>
#include <QJsonObject>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ini/FileSystem.h"
#include "live/WrongCodeGuard.h"
#include "model/Records.h"

class QHttpServerRequest;
class QTcpSocket;
class TournamentSession;
class LimitedTcpServer;

class LiveService : public QAbstractHttpServer {
    Q_OBJECT
public:
    static constexpr qsizetype MaxBodyBytes = 4096;

    LiveService(TournamentSession& session, std::string journalPath, QObject* parent = nullptr);
    ~LiveService() override;

    // Listens on every interface at `port` (0: any free one); the reason when it cannot.
    std::optional<QString> listenOn(quint16 port);
    quint16 port() const;
    // Writes the codes of `groups` to the journal, so codes handed out survive a crash.
    files::FileResult journalCodes(const std::vector<int>& groups);

    struct Reply {
        QHttpServerResponder::StatusCode status = QHttpServerResponder::StatusCode::Ok;
        QJsonObject body;
        QByteArray allow;  // for 405
        QByteArray builtInFile;
        QByteArray mimeType;
    };

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    void countChanges();
    void groupChanged(int group);
    Reply answer(const QHttpServerRequest& request);
    Reply groupAnswer(const QHttpServerRequest& request, const QString& code, bool score);
    Reply scoreAnswer(const QHttpServerRequest& request, int group);

    TournamentSession& session_;
    std::string journalPath_;
    LimitedTcpServer* listener_ = nullptr;
    WrongCodeGuard guard_;
    std::array<long long, MaxGroups> groupVersions_{};
    long long boardVersion_ = 0;
};
