#pragma once
// The scoring service: plain HTTP on the club's network, where each group's marker and players
// enter strokes on their phones with the group's code, and the clubhouse board's standings can be
// read. Connections are served by a few service threads, so entries arriving together share one
// write to the disk; every question about the tournament is answered here, on the thread of the
// session, through which alone stored data changes. An entry is answered, inside its request's
// handler, only once its journal line is on the disk.

#include <QByteArray>
#include <QHttpServerResponder>
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ini/FileSystem.h"
#include "live/JournalWriter.h"
#include "live/WrongCodeGuard.h"
#include "model/Records.h"

class QTcpServer;
class LiveServiceThread;
class TournamentSession;

// A request as the service threads hand it over.
struct LiveRequest {
    bool get = false;
    bool post = false;
    QString path;
    QByteArray body;
    std::string address;
};

struct LiveReply {
    QHttpServerResponder::StatusCode status = QHttpServerResponder::StatusCode::Ok;
    QByteArray body;
    QByteArray mimeType = "application/json";
    QByteArray allow;  // for 405
    // The journal line that must be on the disk before the reply goes; 0 for none.
    std::uint64_t journalLine = 0;
};

class LiveService : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxBodyBytes = 4096;
    // Entries waiting for the disk at one time share one write; more threads than this bring no
    // more on a field of 81 phones.
    static constexpr int ServiceThreads = 16;

    LiveService(TournamentSession& session, std::string journalPath, QObject* parent = nullptr);
    ~LiveService() override;

    // Listens on every interface at `port` (0: any free one); the reason when it cannot.
    std::optional<QString> listenOn(quint16 port);
    quint16 port() const;
    // Ends the service threads; requests under way are answered first.
    void stop();
    // Writes the codes of `groups` to the journal, so codes handed out survive a crash.
    files::FileResult journalCodes(const std::vector<int>& groups);

    // Called by the service threads, run on this object's thread.
    LiveReply answer(const LiveRequest& request);
    JournalWriter& journal() { return journal_; }

    static LiveReply failure(QHttpServerResponder::StatusCode status, const QString& error, const QString& field = {});

private:
    void countChanges();
    void groupChanged(int group);
    LiveReply groupAnswer(const LiveRequest& request, const QString& code, bool score);
    LiveReply scoreAnswer(const LiveRequest& request, int group);

    TournamentSession& session_;
    JournalWriter journal_;
    QTcpServer* listener_ = nullptr;
    std::vector<LiveServiceThread*> threads_;
    WrongCodeGuard guard_;
    std::array<long long, MaxGroups> groupVersions_{};
    long long boardVersion_ = 0;
};
