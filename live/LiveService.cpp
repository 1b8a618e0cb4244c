#include "live/LiveService.h"

#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QTcpSocket>
#include <utility>

#include "app/TournamentSession.h"
#include "live/LimitedTcpServer.h"
#include "live/LiveJson.h"
#include "model/FileMessages.h"

namespace {

using Status = QHttpServerResponder::StatusCode;
using Method = QHttpServerRequest::Method;

LiveService::Reply failure(Status status, const QString& error, const QString& field = {}) {
    QJsonObject body{{"error", error}};
    if (!field.isEmpty()) body.insert("field", field);
    return {status, body, {}, {}, {}};
}

LiveService::Reply wrongMethod(const char* allowed) {
    LiveService::Reply reply = failure(Status::MethodNotAllowed, QStringLiteral("Metoden brukes ikke her"));
    reply.allow = allowed;
    return reply;
}

// The service's own files, from this fixed list only; no path a request names reaches the disk.
struct BuiltInFile {
    const char* path;
    const char* mimeType;
    const char* contents;
};
constexpr BuiltInFile BuiltInFiles[] = {
    {"/", "text/html; charset=utf-8",
     "<!DOCTYPE html><html lang=\"no\"><head><meta charset=\"utf-8\"><title>Teebrook</title></head>"
     "<body><h1>Teebrook</h1><p>Resultattavle: <a href=\"/api/board\">/api/board</a></p></body></html>"},
};

const BuiltInFile* builtInFile(const QString& path) {
    for (const BuiltInFile& file : BuiltInFiles) {
        if (path == QLatin1String(file.path)) return &file;
    }
    return nullptr;
}

}  // namespace

LiveService::LiveService(TournamentSession& session, std::string journalPath, QObject* parent)
    : QAbstractHttpServer(parent), session_(session), journalPath_(std::move(journalPath)) {
    connect(&session_, &TournamentSession::strokesChanged, this, [this](int g, int, int) { groupChanged(g); });
    connect(&session_, &TournamentSession::playerChanged, this, [this](int g, int) { groupChanged(g); });
    connect(&session_, &TournamentSession::groupChanged, this, &LiveService::groupChanged);
    connect(&session_, &TournamentSession::headerChanged, this, &LiveService::countChanges);
    connect(&session_, &TournamentSession::tournamentReplaced, this, &LiveService::countChanges);
    connect(&session_, &TournamentSession::courseTableChanged, this, &LiveService::countChanges);
}

LiveService::~LiveService() = default;

std::optional<QString> LiveService::listenOn(quint16 port) {
    auto* listener = new LimitedTcpServer(this);
    if (!listener->listen(QHostAddress::Any, port)) {
        const QString reason = listener->errorString();
        delete listener;
        return reason;
    }
    listener_ = listener;
    bind(listener_);
    return std::nullopt;
}

quint16 LiveService::port() const { return listener_ ? listener_->serverPort() : 0; }

files::FileResult LiveService::journalCodes(const std::vector<int>& groups) {
    std::string lines;
    for (int g : groups) lines += codeJournalLine(g, session_.tournament().groups[g].code);
    return lines.empty() ? files::FileResult{} : files::appendDurably(journalPath_, lines);
}

void LiveService::groupChanged(int group) {
    if (group >= 0 && group < MaxGroups) ++groupVersions_[group];
    ++boardVersion_;
}

void LiveService::countChanges() {
    for (long long& version : groupVersions_) ++version;
    ++boardVersion_;
}

bool LiveService::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    LimitedTcpServer::requestAnswered(socket);
    const Reply reply = answer(request);
    QHttpServerResponder responder = makeResponder(request, socket);
    if (!reply.builtInFile.isEmpty()) {
        responder.write(reply.builtInFile, reply.mimeType, reply.status);
        return true;
    }
    const QByteArray json = QJsonDocument(reply.body).toJson(QJsonDocument::Compact);
    if (reply.allow.isEmpty()) responder.write(json, "application/json", reply.status);
    else responder.write(json, {{"Content-Type", "application/json"}, {"Allow", reply.allow}}, reply.status);
    return true;
}

// Never called: handleRequest answers every request.
void LiveService::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket)
        .write(QJsonDocument(failure(Status::NotFound, "Finnes ikke").body), Status::NotFound);
}

LiveService::Reply LiveService::answer(const QHttpServerRequest& request) {
    if (request.body().size() > MaxBodyBytes) return failure(Status::PayloadTooLarge, "Forespørselen er for stor");
    const QString path = request.url().path();
    const bool get = request.method() == Method::Get;
    if (path == QLatin1String("/api/board")) {
        if (!get) return wrongMethod("GET");
        return {Status::Ok, boardJson(session_.tournament(), boardVersion_), {}, {}, {}};
    }
    const QStringList parts = path.split(u'/');
    // "", "api", "group", code [, "score"]
    if (parts.size() >= 4 && parts.size() <= 5 && parts[0].isEmpty() && parts[1] == QLatin1String("api") &&
        parts[2] == QLatin1String("group") && !parts[3].isEmpty()) {
        const bool score = parts.size() == 5;
        if (score && parts[4] != QLatin1String("score")) return failure(Status::NotFound, "Finnes ikke");
        if (score && request.method() != Method::Post) return wrongMethod("POST");
        if (!score && !get) return wrongMethod("GET");
        return groupAnswer(request, parts[3], score);
    }
    if (const BuiltInFile* file = builtInFile(path)) {
        if (!get) return wrongMethod("GET");
        return {Status::Ok, {}, {}, QByteArray(file->contents), QByteArray(file->mimeType)};
    }
    return failure(Status::NotFound, "Finnes ikke");
}

LiveService::Reply LiveService::groupAnswer(const QHttpServerRequest& request, const QString& code, bool score) {
    const std::string address = request.remoteAddress().toString().toStdString();
    const auto now = WrongCodeGuard::Clock::now();
    if (guard_.isBlocked(address, now)) return failure(Status::TooManyRequests, "For mange feil koder, vent et minutt");
    const std::optional<int> group = groupWithCode(session_.tournament(), code.toStdString());
    if (!group) {
        guard_.noteWrongCode(address, now);
        return failure(Status::Forbidden, "Ukjent kode", "code");
    }
    if (score) return scoreAnswer(request, *group);
    return {Status::Ok, groupJson(session_.tournament(), *group, groupVersions_[*group]), {}, {}, {}};
}

LiveService::Reply LiveService::scoreAnswer(const QHttpServerRequest& request, int group) {
    const ReadEntry read = readEntryJson(request.body(), session_.tournament(), group);
    if (!read.entry) return failure(Status::BadRequest, read.error, read.field);
    const ScoreEntry& entry = *read.entry;
    EntryOutcome outcome = holeOutcome(session_.tournament(), entry.group, entry.player, entry.hole);
    if (!isRepeatEntry(session_.tournament(), entry)) {
        // On the disk before it counts: what is answered as stored survives a crash.
        if (const files::FileResult written = files::appendDurably(journalPath_, journalLine(entry)); !written) {
            return failure(Status::ServiceUnavailable,
                           QString::fromStdString(withFailureReason("Registreringen kunne ikke lagres", written)));
        }
        outcome = session_.applyScoreEntry(entry);
    }
    return {Status::Ok, QJsonObject{{"stored", outcome.stored}, {"conflict", outcome.conflict}}, {}, {}, {}};
}
