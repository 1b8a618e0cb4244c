#include "live/LiveService.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "app/TournamentSession.h"
#include "live/LiveJson.h"
#include "live/LiveServiceThread.h"

namespace {

using Status = QHttpServerResponder::StatusCode;

QByteArray compact(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

LiveReply ok(const QJsonObject& object) { return {Status::Ok, compact(object), "application/json", {}, 0}; }

LiveReply wrongMethod(const char* allowed) {
    LiveReply reply = LiveService::failure(Status::MethodNotAllowed, QStringLiteral("Metoden brukes ikke her"));
    reply.allow = allowed;
    return reply;
}

LiveReply notFound() { return LiveService::failure(Status::NotFound, QStringLiteral("Finnes ikke")); }

// The phone page's files, built in, served from this fixed list only: no path a request names
// reaches the disk. "/g/<code>" is the page a group's QR code opens.
struct BuiltInFile {
    const char* path;
    const char* resource;
    const char* mimeType;
};
constexpr BuiltInFile BuiltInFiles[] = {
    {"/", ":/web/index.html", "text/html; charset=utf-8"},
    {"/g/", ":/web/index.html", "text/html; charset=utf-8"},
    {"/tavle", ":/web/tavle.html", "text/html; charset=utf-8"},
    {"/app.js", ":/web/app.js", "text/javascript; charset=utf-8"},
    {"/tavle.js", ":/web/tavle.js", "text/javascript; charset=utf-8"},
    {"/style.css", ":/web/style.css", "text/css; charset=utf-8"},
};

bool isGroupPagePath(const QString& path) {
    const QStringView code = QStringView(path).mid(3);
    return path.startsWith(QLatin1String("/g/")) && !code.isEmpty() && code.size() <= 16 &&
           std::all_of(code.begin(), code.end(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; });
}

const BuiltInFile* builtInFile(const QString& path) {
    const QString listed = isGroupPagePath(path) ? QStringLiteral("/g/") : path;
    for (const BuiltInFile& file : BuiltInFiles) {
        if (listed == QLatin1String(file.path)) return &file;
    }
    return nullptr;
}

QByteArray builtInContents(const BuiltInFile& file) {
    QFile resource(QString::fromLatin1(file.resource));
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

// Accepts every connection and deals them out to the service threads in turn.
class ConnectionDealer : public QTcpServer {
public:
    ConnectionDealer(const std::vector<LiveServiceThread*>& threads, QObject* parent)
        : QTcpServer(parent), threads_(threads) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        threads_[next_]->takeConnection(descriptor);
        next_ = (next_ + 1) % threads_.size();
    }

private:
    const std::vector<LiveServiceThread*>& threads_;
    std::size_t next_ = 0;
};

}  // namespace

LiveService::LiveService(TournamentSession& session, std::string journalPath, QObject* parent)
    : QObject(parent), session_(session), journal_(std::move(journalPath)) {
    // The page's files live in this static library's resources.
    Q_INIT_RESOURCE(web);
    connect(&session_, &TournamentSession::strokesChanged, this, [this](int g, int, int) { groupChanged(g); });
    connect(&session_, &TournamentSession::playerChanged, this, [this](int g, int) { groupChanged(g); });
    connect(&session_, &TournamentSession::groupChanged, this, &LiveService::groupChanged);
    connect(&session_, &TournamentSession::headerChanged, this, &LiveService::countChanges);
    connect(&session_, &TournamentSession::tournamentReplaced, this, &LiveService::countChanges);
    connect(&session_, &TournamentSession::courseTableChanged, this, &LiveService::countChanges);
}

LiveService::~LiveService() { stop(); }

LiveReply LiveService::failure(Status status, const QString& error, const QString& field) {
    QJsonObject body{{"error", error}};
    if (!field.isEmpty()) body.insert("field", field);
    return {status, compact(body), "application/json", {}, 0};
}

std::optional<QString> LiveService::listenOn(quint16 port) {
    auto* listener = new ConnectionDealer(threads_, this);
    if (!listener->listen(QHostAddress::Any, port)) {
        const QString reason = listener->errorString();
        delete listener;
        return reason;
    }
    listener_ = listener;
    for (int t = 0; t < ServiceThreads; ++t) {
        const int copy = ::dup(static_cast<int>(listener->socketDescriptor()));
        if (copy < 0) {
            stop();
            return QString::fromLocal8Bit(std::strerror(errno));
        }
        auto* thread = new LiveServiceThread(*this, copy, this);
        threads_.push_back(thread);
        thread->start();
    }
    return std::nullopt;
}

quint16 LiveService::port() const { return listener_ ? listener_->serverPort() : 0; }

void LiveService::stop() {
    if (listener_) listener_->close();
    for (QThread* thread : threads_) thread->quit();
    // A thread may be waiting for an answer from this one, so this one answers meanwhile.
    for (QThread* thread : threads_) {
        while (!thread->wait(10)) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        delete thread;
    }
    threads_.clear();
}

files::FileResult LiveService::journalCodes(const std::vector<int>& groups) {
    std::uint64_t last = 0;
    for (int g : groups) last = journal_.take(codeJournalLine(g, session_.tournament().groups[g].code));
    return last > 0 ? journal_.waitUntilWritten(last) : files::FileResult{};
}

void LiveService::groupChanged(int group) {
    if (group >= 0 && group < MaxGroups) ++groupVersions_[group];
    ++boardVersion_;
}

void LiveService::countChanges() {
    for (long long& version : groupVersions_) ++version;
    ++boardVersion_;
}

LiveReply LiveService::answer(const LiveRequest& request) {
    if (request.path == QLatin1String("/api/board")) {
        if (!request.get) return wrongMethod("GET");
        return ok(boardJson(session_.tournament(), boardVersion_));
    }
    const QStringList parts = request.path.split(u'/');
    // "", "api", "group", code [, "score"]
    if (parts.size() >= 4 && parts.size() <= 5 && parts[0].isEmpty() && parts[1] == QLatin1String("api") &&
        parts[2] == QLatin1String("group") && !parts[3].isEmpty()) {
        const bool score = parts.size() == 5;
        if (score && parts[4] != QLatin1String("score")) return notFound();
        if (score && !request.post) return wrongMethod("POST");
        if (!score && !request.get) return wrongMethod("GET");
        return groupAnswer(request, parts[3], score);
    }
    if (const BuiltInFile* file = builtInFile(request.path)) {
        if (!request.get) return wrongMethod("GET");
        return {Status::Ok, builtInContents(*file), QByteArray(file->mimeType), {}, 0};
    }
    return notFound();
}

LiveReply LiveService::groupAnswer(const LiveRequest& request, const QString& code, bool score) {
    const auto now = WrongCodeGuard::Clock::now();
    if (guard_.isBlocked(request.address, now))
        return failure(Status::TooManyRequests, QStringLiteral("For mange feil koder, vent et minutt"));
    const std::optional<int> group = groupWithCode(session_.tournament(), code.toStdString());
    if (!group) {
        guard_.noteWrongCode(request.address, now);
        return failure(Status::Forbidden, QStringLiteral("Ukjent kode"), QStringLiteral("code"));
    }
    if (score) return scoreAnswer(request, *group);
    return ok(groupJson(session_.tournament(), *group, groupVersions_[*group]));
}

LiveReply LiveService::scoreAnswer(const LiveRequest& request, int group) {
    const ReadEntry read = readEntryJson(request.body, session_.tournament(), group);
    if (!read.entry) return failure(Status::BadRequest, read.error, read.field);
    const ScoreEntry& entry = *read.entry;
    LiveReply reply;
    if (isRepeatEntry(session_.tournament(), entry)) {
        // The entry it repeats may still be on its way to the disk.
        const EntryOutcome outcome = holeOutcome(session_.tournament(), entry.group, entry.player, entry.hole);
        reply = ok(QJsonObject{{"stored", outcome.stored}, {"conflict", outcome.conflict}});
        reply.journalLine = journal_.lastTaken();
    } else {
        // Taken in the order applied, so the journal replays to the same strokes.
        const std::uint64_t line = journal_.take(journalLine(entry));
        const EntryOutcome outcome = session_.applyScoreEntry(entry);
        reply = ok(QJsonObject{{"stored", outcome.stored}, {"conflict", outcome.conflict}});
        reply.journalLine = line;
    }
    return reply;
}
